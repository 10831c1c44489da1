// The engine boots counter file.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "snmp_pp.h"

namespace {

class BootCounterFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* run = std::getenv("VKA7410_TEST_RUN");  // a test run's mark, as every name it gives
        std::string tmpl = (std::filesystem::temp_directory_path() / ("vka-boots-" + std::string(run ? run : "") + "-XXXXXX")).string();
        ASSERT_NE(mkdtemp(tmpl.data()), nullptr);
        dir = tmpl;
        file = dir + "/KwSNMP_PP_BootCounter";
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::string Read() const
    {
        std::ifstream in(file);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    void Write(const std::string& text) const { std::ofstream(file) << text; }
    size_t FilesInFolder() const
    {
        size_t n = 0;
        for (auto& entry : std::filesystem::directory_iterator(dir)) n += entry.is_regular_file() ? 1 : 0;
        return n;
    }
    std::string dir, file;
    const OctetStr engine = "KwSNMP_PP_Application";
};

TEST_F(BootCounterFile, FirstStartFindsNoFileThenCountsUp)
{
    unsigned int boots = 99;
    EXPECT_EQ(getBootCounter(file, engine, boots), SNMPv3_FILEOPEN_ERROR);
    EXPECT_EQ(boots, 0u);
    ASSERT_EQ(saveBootCounter(file, engine, boots + 1), SNMPv3_OK);
    ASSERT_EQ(getBootCounter(file, engine, boots), SNMPv3_OK);
    EXPECT_EQ(boots, 1u);
    ASSERT_EQ(saveBootCounter(file, engine, boots + 1), SNMPv3_OK);
    ASSERT_EQ(getBootCounter(file, engine, boots), SNMPv3_OK);
    EXPECT_EQ(boots, 2u);
    EXPECT_EQ(FilesInFolder(), 1u) << "no temporary file is left behind";
    EXPECT_NE(Read().find(engine.get_printable_hex() + " 2\n"), std::string::npos);
}

TEST_F(BootCounterFile, OtherEnginesLinesAreKept)
{
    Write("# note\n0102030405 17\n");
    unsigned int boots = 99;
    EXPECT_EQ(getBootCounter(file, engine, boots), SNMPv3_NO_ENTRY_ERROR);
    EXPECT_EQ(boots, 0u);
    ASSERT_EQ(saveBootCounter(file, engine, 1), SNMPv3_OK);
    ASSERT_EQ(getBootCounter(file, OctetStr::from_hex_string("0102030405"), boots), SNMPv3_OK);
    EXPECT_EQ(boots, 17u);
    ASSERT_EQ(getBootCounter(file, engine, boots), SNMPv3_OK);
    EXPECT_EQ(boots, 1u);
}

TEST_F(BootCounterFile, CorruptFileGivesTheLoadErrorAndIsNotOverwritten)
{
    for (const char* corrupt : {"garbage\n", "0102 notanumber\n", "0102 1\n0102 2\n", "0102 99999999999\n",
                                "0G02 1\n", "0102  1\n", "\x01\x02\x03"}) {
        Write(corrupt);
        unsigned int boots = 99;
        EXPECT_EQ(getBootCounter(file, engine, boots), SNMPv3_FILECORRUPT_ERROR) << corrupt;
        EXPECT_EQ(boots, 0u);
        EXPECT_LT(SNMPv3_FILECORRUPT_ERROR, SNMPv3_FILEOPEN_ERROR) << "callers treat it as a load failure";
        EXPECT_EQ(saveBootCounter(file, engine, 1), SNMPv3_FILECORRUPT_ERROR);
        EXPECT_EQ(Read(), corrupt);
    }
}

TEST_F(BootCounterFile, UnwritableFolderFailsToSaveAndLeavesTheOldFile)
{
    if (geteuid() == 0) GTEST_SKIP() << "root writes anywhere";
    ASSERT_EQ(saveBootCounter(file, engine, 5), SNMPv3_OK);
    chmod(dir.c_str(), 0500);
    EXPECT_EQ(saveBootCounter(file, engine, 6), SNMPv3_FILECREATE_ERROR);
    chmod(dir.c_str(), 0700);
    unsigned int boots = 0;
    ASSERT_EQ(getBootCounter(file, engine, boots), SNMPv3_OK);
    EXPECT_EQ(boots, 5u);
}

TEST_F(BootCounterFile, FullDiskFailsToSaveAndLeavesTheOldFile)
{
    ASSERT_EQ(saveBootCounter(file, engine, 5), SNMPv3_OK);
    // Files of this process may not grow at all from here on, even for root.
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit none = saved;
    none.rlim_cur = 0;
    setrlimit(RLIMIT_FSIZE, &none);
    int status = saveBootCounter(file, engine, 6);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    EXPECT_EQ(status, SNMPv3_FILECREATE_ERROR);
    unsigned int boots = 0;
    ASSERT_EQ(getBootCounter(file, engine, boots), SNMPv3_OK);
    EXPECT_EQ(boots, 5u);
    EXPECT_EQ(FilesInFolder(), 1u) << "the temporary file is removed";
}

// A missing folder, or a folder where the file should be: the save fails, nothing is
// created and a folder is never replaced.
TEST_F(BootCounterFile, SaveWithoutAPlaceForTheFileFails)
{
    EXPECT_EQ(saveBootCounter(dir + "/absent/KwSNMP_PP_BootCounter", engine, 1), SNMPv3_FILECREATE_ERROR);
    std::filesystem::create_directory(file);
    EXPECT_NE(saveBootCounter(file, engine, 1), SNMPv3_OK);
    EXPECT_TRUE(std::filesystem::is_directory(file));
    EXPECT_EQ(FilesInFolder(), 0u);
}

}
