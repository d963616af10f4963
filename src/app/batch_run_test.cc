// Tests of the batch run on an in-memory disk: refused names, a file without
// words, the transcript of a good run at a UTF-8 terminal, a failing save.
#include "app/batch_run.h"

#include <gtest/gtest.h>

#include "fakes.h"

namespace haravoija {
namespace {

TEST(BatchRunTest, NamesWordsAndSaves) {
  const std::string badName =
      "VIRHE: Anna kunnollinen tiedostonimi.\n"
      "Tiedostonimen p\204\204te tulee olla .txt tai .html.\n> ";
  const std::string goodbye = "Kiitos ohjelman k\204yt\224st\204!\n";
  const struct {
    std::string argument, content, output;
    bool saveFails = false;
  } cases[] = {
      {"SANAT.TXT", "kissa\n", badName},
      {"a.b", "kissa\n", badName},
      {".tx", "kissa\n", badName},
      {"roskaa.txt", "3D x\n",
       "Odota, luetaan tiedostoa... \n"
       "VIRHE: Tiedostossa ei ollut yht\204\204n kelvollista sanaa.\n" +
           goodbye},
      {"sanat.txt", "kissa\n", "Tulosten talletus tiedostoon ei onnistunut!\n\n" + goodbye, true},
  };
  for (const auto& c : cases) {
    testing::FakeEnvironment fake;
    if (c.saveFails) fake.files.saveFailsAfter = 10;
    testing::StringFile file(c.content);
    runBatch(file, c.argument, fake.env);
    EXPECT_TRUE(fake.output().ends_with(c.output)) << c.argument << "\n" << fake.output();
    EXPECT_TRUE(fake.files.files.empty()) << c.argument;
    EXPECT_EQ(fake.random.seeds(), c.saveFails ? 1 : 0) << c.argument;
  }

  testing::FakeEnvironment fake("", Charset::kUtf8);
  testing::StringFile file("kissa koira\nhevonen\nkissa\n");
  runBatch(file, "./el\303\244imet.txt", fake.env);
  EXPECT_TRUE(fake.output().starts_with(
      "Odota, luetaan tiedostoa... \n"
      "Sana kissa lis\303\244tty.\nSana koira lis\303\244tty.\nSana hevonen lis\303\244tty.\n\n"
      "\nOdota. Luodaan sanaristikko annetuista sanoista...\n"))
      << fake.output();
  EXPECT_TRUE(
      fake.output().ends_with("Ruudukko tallennettu tiedostoon out.html.\n\n"
                              "Kiitos ohjelman k\303\244yt\303\266st\303\244!\n"));
  EXPECT_EQ(fake.random.seeds(), 1);
  // The title is the argument, in the document's ISO 8859-1.
  EXPECT_NE(fake.files.files["out.html"].find("<title>./el\344imet.txt</title>"),
            std::string::npos);
}

}  // namespace
}  // namespace haravoija
