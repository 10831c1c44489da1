#include "TRegistry.h"

#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <unistd.h>

TEST(TRegistryClass, ReadsAndWritesTheRegistryFileUnderTheChosenRoot)
{
    char folder[] = "/tmp/vka-treg-XXXXXX";
    ASSERT_NE(nullptr, ::mkdtemp(folder));
    const std::string file = std::string(folder) + "/registry.reg";
    setenv("VKA7410_REGISTRY", file.c_str(), 1);
    {
        TRegistry registry;
        registry.SetRootKey(HKEY_LOCAL_MACHINE);
        EXPECT_EQ(HKEY_LOCAL_MACHINE, registry.RootKey());
        ASSERT_TRUE(registry.OpenKey("\\SOFTWARE\\Tavrix\\Modules\\HelpPath", true));
        registry.WriteString("1.3.6.1.4.1.32473.10.37.37", "/opt/tavrix/vka7410/help/vka.chm");
        EXPECT_THROW(registry.WriteString("bad", "line\nbreak"), ERegistryException);
    }
    TRegistry reader;
    reader.SetRootKey(HKEY_LOCAL_MACHINE);
    ASSERT_TRUE(reader.OpenKey("\\software\\tavrix\\modules\\helppath", false));
    EXPECT_EQ("/opt/tavrix/vka7410/help/vka.chm", reader.ReadString("1.3.6.1.4.1.32473.10.37.37"));
    EXPECT_EQ("", reader.ReadString("missing"));
    EXPECT_FALSE(reader.ValueExists("bad"));
    TRegistry otherRoot;  // the default root is the current user's: nothing there
    EXPECT_FALSE(otherRoot.OpenKey("\\SOFTWARE\\Tavrix\\Modules\\HelpPath", false));
    std::remove(file.c_str());
    ::rmdir(folder);
    unsetenv("VKA7410_REGISTRY");
}
