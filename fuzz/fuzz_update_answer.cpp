// The version service's answer: its elements and version numbers from any bytes.
#include <cstdint>
#include <string>

#include "common/utf8_text.h"
#include "update/version_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::wstring response =
        common::Utf8ToWide(std::string_view(reinterpret_cast<const char*>(data), size));
    const update::VersionNumbers installed = update::ParseVersion(L"2.5.0.5012");
    if (const auto version = update::ExtractElement(response, L"version")) {
        if (response.find(L"<version>" + *version + L"</version>") == std::wstring::npos) __builtin_trap();
        update::IsNewerVersion(update::ParseVersion(*version), installed);
    }
    update::ExtractElement(response, L"url");
    update::ParseVersion(response);
    return 0;
}
