// Tests for the batch run's refusals; the full run is tested on the binary.
#include "app/batch_run.h"

#include <gtest/gtest.h>

#include <sstream>

#include "test_util.h"

namespace haravoija {
namespace {

const std::string kBadName =
    "VIRHE: Anna kunnollinen tiedostonimi.\n"
    "Tiedostonimen p\204\204te tulee olla .txt tai .html.\n"
    "> ";

TEST(BatchRun, RefusesNamesWithoutAKnownExtensionBeforeReading) {
  for (const char* name : {"SANAT.TXT", "a.b", "-h", ".tx", "sanat.htm", "sanat_txt"}) {
    std::istringstream file("kissa koira\n");
    testing::FakeConsole fake;
    runBatch(file, name, fake);
    EXPECT_EQ(fake.output(), kBadName) << name;
    // Nothing was read from the file.
    EXPECT_EQ(file.tellg(), 0) << name;
  }
}

TEST(BatchRun, FileWithoutWordsEndsWithAnError) {
  for (const char* name : {"tyhja.txt", "lista.txt.vanha", "vanha.html", ".txt"}) {
    std::istringstream file("1 2 x\n");
    testing::FakeConsole fake;
    runBatch(file, name, fake);
    EXPECT_EQ(fake.output(),
              "Odota, luetaan tiedostoa... \n"
              "VIRHE: Tiedostossa ei ollut yht\204\204n kelvollista sanaa.\n"
              "Kiitos ohjelman k\204yt\224st\204!\n")
        << name;
  }
}

}  // namespace
}  // namespace haravoija
