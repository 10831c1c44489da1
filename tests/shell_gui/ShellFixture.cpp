#include "TempFolder.h"
#include "ShellFixture.h"

#include "KwErrors.h"

#include <climits>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace shell_test {

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

std::vector<vka_test::DevsimJournalEntry> RequestsFor(const vka_test::DevsimPeer& device,
                                                      const std::string& kind, const std::string& oid)
{
    std::vector<vka_test::DevsimJournalEntry> found;
    for (const vka_test::DevsimJournalEntry& entry : device.Journal())
        if (entry.Kind == kind && !entry.Bindings.empty() && entry.Bindings[0].Oid == oid)
            found.push_back(entry);
    return found;
}

void ShellTest::SetUp()
{
    char cwd[PATH_MAX];
    previousFolder_ = getcwd(cwd, sizeof cwd) ? cwd : "/tmp";
    const std::string pattern = vka_test::MakeTempFolder("vka-shell");
    folder = pattern + "/";
    profiles = folder + "profiles/";
    ASSERT_EQ(system(("mkdir -p '" + profiles + "'").c_str()), 0);
    ASSERT_EQ(chdir(folder.c_str()), 0);
    setenv("VKA7410_REGISTRY", (folder + "registry.reg").c_str(), 1);
    WriteRegistry("", profiles);
    Application->ResetTerminated();
}

void ShellTest::TearDown()
{
    for (auto it = forms.rbegin(); it != forms.rend(); ++it)
        delete *it;
    forms.clear();
    MainForm = nullptr;
    device.Stop();
    for (KwMessageTable* table : {&SNMPErrorTexts, &SNMPv3ErrorTexts, &USMErrorTexts, &SNMPClassErrorTexts,
                                  &KwSNMPErrorTexts, &KwCommonErrorTexts, &StatusLineFormats})
        table->Restore();
    Application->ResetTerminated();
    unsetenv("VKA7410_REGISTRY");
    if (chdir(previousFolder_.c_str()) != 0)
        ADD_FAILURE() << "cannot return to " << previousFolder_;
    system(("rm -rf '" + folder + "'").c_str());
}

void ShellTest::StartDevice(const std::string& readCommunity, const std::string& writeCommunity,
                            const std::string& moreConfig)
{
    device.SetStateText(ReadFile(VKA_DEVSIM_STATE));
    device.SetConfigText("read-community " + readCommunity + "\nwrite-community " + writeCommunity + "\n" +
                         moreConfig);
    std::string error;
    ASSERT_TRUE(device.Start(&error)) << error;
}

std::string RegistryString(const std::string& value)
{
    std::string quoted = "\"";
    for (char c : value) {
        if (c == '\\' || c == '"')
            quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

void ShellTest::WriteRegistry(const std::string& helpPath, const std::string& profileFolder)
{
    std::string text = "REGEDIT4\n\n";
    if (!helpPath.empty())
        text += "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tavrix\\Modules\\HelpPath]\n"
                "\"1.3.6.1.4.1.32473.10.37.37\"=" + RegistryString(helpPath) + "\n\n";
    text += "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tavrix\\NVane5.1\\MibFile]\n"
            "\"Path\"=" + RegistryString(profileFolder) + "\n";
    WriteFile(folder + "registry.reg", text);
}

void ShellTest::WriteProfile(const std::string& address, const std::string& keys)
{
    // "127.0.0.1/161" names the profile "161.cfg" in the folder "127.0.0.1".
    const std::string path = profiles + address;
    system(("mkdir -p \"$(dirname '" + path + "')\"").c_str());
    WriteFile(profiles + address + ".cfg", "[Program Information]\r\n" + keys);
}

void ShellTest::WriteDeviceProfile(const std::string& address, const std::string& extraKeys)
{
    WriteProfile(address, "AgentPort=" + std::to_string(device.Port()) + "\r\nVersion=0\r\n" + extraKeys);
}

TMainForm* ShellTest::Open(const std::vector<std::string>& arguments,
                           const std::function<void(TMainForm*)>& prepare)
{
    static std::vector<std::string> storage;
    storage = arguments;
    storage.insert(storage.begin(), "VKA7410Module");
    std::vector<const char*> argv;
    for (const std::string& a : storage)
        argv.push_back(a.c_str());
    argv.push_back(nullptr);
    SetParams(static_cast<int>(storage.size()), argv.data());

    TMainForm* form = new TMainForm(nullptr);
    forms.push_back(form);
    MainForm = form;
    if (prepare)
        prepare(form);
    form->DoCreate();
    return form;
}

TMainForm* ShellTest::OpenOnDevice(const std::function<void(TMainForm*)>& prepare)
{
    WriteDeviceProfile(Address());
    return Open({"/I" + Address(), "/Rorchid", "/Wthunder"}, prepare);
}

}  // namespace shell_test
