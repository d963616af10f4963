// Tests of the batch run on an in-memory disk: refused names, a file without
// words, the transcript of a good run, and a save that fails.
#include "app/batch_run.h"

#include <gtest/gtest.h>

#include "fakes.h"
#include "test_util.h"

namespace haravoija {
namespace {

const std::string kGoodbye = "Kiitos ohjelman k\204yt\224st\204!\n";

std::string runOn(testing::FakeEnvironment& fake, const std::string& argument,
                  const std::string& content) {
  testing::StringFile file(content);
  runBatch(file, argument, fake.env);
  return fake.output();
}

TEST(BatchRunTest, RefusedNamesAndFilesWithoutWords) {
  const std::string badName =
      "VIRHE: Anna kunnollinen tiedostonimi.\n"
      "Tiedostonimen p\204\204te tulee olla .txt tai .html.\n> ";
  for (const char* name : {"SANAT.TXT", "a.b", "-h", ".tx"}) {
    testing::FakeEnvironment fake;
    EXPECT_EQ(runOn(fake, name, "kissa\n"), badName) << name;
    EXPECT_TRUE(fake.files.files.empty());
    EXPECT_EQ(fake.random.seeds(), 0);
  }
  testing::FakeEnvironment fake;
  EXPECT_EQ(runOn(fake, "roskaa.txt", "3D x\n"),
            "Odota, luetaan tiedostoa... \n"
            "VIRHE: Tiedostossa ei ollut yht\204\204n kelvollista sanaa.\n" +
                kGoodbye);
  EXPECT_TRUE(fake.files.files.empty());
}

TEST(BatchRunTest, MakesOutHtml) {
  testing::FakeEnvironment fake("", Charset::kUtf8);
  testing::StringFile file("kissa koira\nhevonen\nkissa\n");
  runBatch(file, "./el\303\244imet.txt", fake.env);
  const std::string out = fake.output();
  EXPECT_TRUE(out.starts_with(
      "Odota, luetaan tiedostoa... \n"
      "Sana kissa lis\303\244tty.\nSana koira lis\303\244tty.\nSana hevonen lis\303\244tty.\n\n"
      "\nOdota. Luodaan sanaristikko annetuista sanoista...\n"))
      << out;
  EXPECT_NE(out.find("(ristikon koko: "), std::string::npos);
  EXPECT_TRUE(testing::endsWith(out, "Ruudukko tallennettu tiedostoon out.html.\n\n"
                                     "Kiitos ohjelman k\303\244yt\303\266st\303\244!\n"));
  EXPECT_EQ(fake.random.seeds(), 1);
  // The title is the argument, in the document's ISO 8859-1.
  ASSERT_TRUE(fake.files.files.contains("out.html"));
  EXPECT_NE(fake.files.files["out.html"].find("<title>./el\344imet.txt</title>"),
            std::string::npos);
  EXPECT_NE(fake.files.files["out.html"].find("<br>Hevonen\r\n"), std::string::npos);
}

TEST(BatchRunTest, ASaveThatFailsIsReported) {
  testing::FakeEnvironment fake;
  fake.files.saveFailsAfter = 10;
  EXPECT_TRUE(testing::endsWith(runOn(fake, "sanat.txt", "kissa\n"),
                                "Tulosten talletus tiedostoon ei onnistunut!\n\n" + kGoodbye));
}

}  // namespace
}  // namespace haravoija
