// The settings file: any bytes read as a registry export; when they parse, a value written into
// them must read back, and the rest must survive.
#include <cstdint>
#include <cstring>
#include <string>

#include "common/utf8_text.h"
#include "settings/registry_file.h"

namespace {

constexpr const char* kKey = "Software\\Qelt\\Almanaxium2";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    auto file = settings::RegistryFile::Parse(bytes);
    if (!file) return 0;
    const auto before = file->Find(kKey, "Country");

    std::uint32_t number = 0;
    std::memcpy(&number, data, std::min<std::size_t>(size, sizeof number));
    file->SetDword(kKey, "TimeZone", number);
    const std::wstring text = common::Utf8ToWide(bytes.substr(0, 64));
    file->SetString(kKey + std::string("\\GUI"), "Latitude", text);

    const auto again = settings::RegistryFile::Parse(file->Serialize());
    if (!again) __builtin_trap();  // a write never damages a readable file
    const auto timeZone = again->Find(kKey, "TimeZone");
    if (!timeZone || timeZone->kind != settings::RegistryValue::Kind::kDword || timeZone->dword != number) {
        __builtin_trap();
    }
    const auto latitude = again->Find(kKey + std::string("\\GUI"), "Latitude");
    // A text keeps everything up to a NUL, which a string value cannot hold.
    const std::wstring expected = text.substr(0, text.find(L'\0'));
    if (!latitude || latitude->kind != settings::RegistryValue::Kind::kString || latitude->text != expected) {
        __builtin_trap();
    }
    const auto after = again->Find(kKey, "Country");
    if (before.has_value() != after.has_value()) __builtin_trap();
    if (before &&
        (before->kind != after->kind || before->dword != after->dword || before->text != after->text)) {
        __builtin_trap();
    }
    return 0;
}
