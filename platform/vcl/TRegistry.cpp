#include "TRegistry.h"

bool TRegistry::OpenKey(const AnsiString& key, bool canCreate)
{
    return registry_.OpenKey(key.ToStdString(), canCreate);
}

bool TRegistry::KeyExists(const AnsiString& key) const
{
    return registry_.KeyExists(key.ToStdString());
}

bool TRegistry::ValueExists(const AnsiString& name) const
{
    return registry_.ValueExists(name.ToStdString());
}

AnsiString TRegistry::ReadString(const AnsiString& name) const
{
    return AnsiString(registry_.ReadString(name.ToStdString()));
}

void TRegistry::WriteString(const AnsiString& name, const AnsiString& value)
{
    if (!registry_.WriteString(name.ToStdString(), value.ToStdString()))
        throw ERegistryException("Failed to set data for '" + name + "': " +
                                 AnsiString(registry_.LastError()));
}
