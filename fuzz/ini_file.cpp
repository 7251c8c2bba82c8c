// The settings file of the program: reading section "Box" out of any text and replacing
// one key in it. The first two bytes choose the key and the number written; the rest is
// the file's text.
#include <QString>
#include <array>
#include <functional>

#include "FuzzGame.h"
#include "app/IniSettings.h"
#include "levels/TypedNumber.h"

using namespace tolvar;
using fuzzing::Require;

namespace {
constexpr std::array<const char*, 4> Keys = {"Level", "SelfLevel", "level", "SELFLEVEL"};

bool SameKey(const std::string& a, const std::string& b)
{
    return QString::fromStdString(a).compare(QString::fromStdString(b), Qt::CaseInsensitive) == 0;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const std::string key = Keys[data[0] % Keys.size()];
    const std::string other = SameKey(key, "Level") ? "SelfLevel" : "Level";
    const std::string value = NumberText(data[1] * 131);
    const std::string text = fuzzing::AsText(data + 2, size - 2);

    const std::optional<std::string> otherBefore = ini::Find(text, "Box", other);
    const std::string updated = ini::Replace(text, "Box", key, value);
    Require(ini::Find(updated, "Box", key) == value, "a value written reads back");
    Require(ini::Find(updated, "Box", other) == otherBefore, "writing one key leaves the other as it was");
    Require(ini::Replace(updated, "Box", key, value) == updated, "writing the same value again changes nothing");

    // The same through the file, as the program stores it, for one input in 64 chosen by
    // the whole input (any byte of it, so a run does not keep to the seeds' first byte):
    // the file adds nothing the text has not tried and costs twenty times as much.
    if (std::hash<std::string>{}(text) % 64 != 0)
        return 0;
    static const std::string path = fuzzing::GameDirectory::Get().Path() + "/tolvar.ini";
    fuzzing::GameDirectory::Get().Write("tolvar.ini", text);
    IniSettings settings(QString::fromStdString(path));
    Require(settings.Value(other) == otherBefore, "the file reads as its text");
    Require(settings.SetValue(key, value), "the file can be written");
    Require(settings.Value(key) == value, "a value stored in the file reads back");
    return 0;
}
