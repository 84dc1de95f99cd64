// Reads a DLL's version resource back as Windows shows it in the file's properties, and checks
// it against the project's version: the numeric file and product versions and the strings
// players and support scripts read (ProductName, FileDescription, FileVersion, ProductVersion,
// OriginalFilename, LegalCopyright) and the commit it was built from (Comments).
//
// Usage: vorthmere_version_info <dll> <major.minor.patch>
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {
int failures = 0;

void check(bool ok, const std::string& what) {
    std::printf("%s %s\n", ok ? "ok  " : "FAIL", what.c_str());
    if (!ok) ++failures;
}

std::string narrow(const wchar_t* text) {
    std::string out;
    for (; text && *text; ++text) out += *text < 128 ? static_cast<char>(*text) : '?';
    return out;
}

// A string of the US English, Unicode block, or "" when absent.
std::string stringValue(std::vector<char>& block, const char* name) {
    std::wstring path = L"\\StringFileInfo\\040904B0\\";
    for (const char* c = name; *c; ++c) path += static_cast<wchar_t>(*c);
    wchar_t* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), path.c_str(), reinterpret_cast<void**>(&value), &length)) return "";
    return narrow(value);
}

std::string fixedVersion(DWORD high, DWORD low) {
    return std::to_string(HIWORD(high)) + "." + std::to_string(LOWORD(high)) + "." +
           std::to_string(HIWORD(low)) + "." + std::to_string(LOWORD(low));
}
} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <dll> <version>\n", argv[0]);
        return 2;
    }
    const std::string version = argv[2];
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(argv[1], &ignored);
    check(size > 0, std::string(argv[1]) + " has a version resource");
    if (size == 0) return 1;
    std::vector<char> block(size);
    check(GetFileVersionInfoA(argv[1], 0, size, block.data()) != 0, "the version resource can be read");

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    const bool hasFixed = VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) &&
                          length >= sizeof(VS_FIXEDFILEINFO);
    check(hasFixed, "the fixed part of the resource is present");
    if (hasFixed) {
        const std::string file = fixedVersion(fixed->dwFileVersionMS, fixed->dwFileVersionLS);
        const std::string product = fixedVersion(fixed->dwProductVersionMS, fixed->dwProductVersionLS);
        check(file == version + ".0", "numeric file version " + file + " is " + version + ".0");
        check(product == version + ".0", "numeric product version " + product + " is " + version + ".0");
        check(fixed->dwFileType == VFT_DLL, "the file type is a DLL");
    }

    const struct {
        const char* name;
        std::string expected; // empty: any non-empty text
    } strings[] = {
        {"ProductName", "Vorthmere"},          {"FileVersion", version}, {"ProductVersion", version},
        {"OriginalFilename", "Vorthmere.asi"}, {"FileDescription", ""},  {"LegalCopyright", ""},
    };
    for (const auto& s : strings) {
        const std::string value = stringValue(block, s.name);
        const bool ok = s.expected.empty() ? !value.empty() : value == s.expected;
        check(ok, std::string(s.name) + " is \"" + value + "\"");
    }
    check(stringValue(block, "LegalCopyright").find("MIT") != std::string::npos,
          "LegalCopyright names the MIT licence");
    // The commit the release is built from, so that a player's DLL can be traced to its source.
    const std::string comments = stringValue(block, "Comments");
    check(comments.rfind("Built from commit ", 0) == 0 && comments.size() > 18,
          "Comments is \"" + comments + "\"");
    std::printf("%s: %d failure(s)\n", failures ? "FAILED" : "PASSED", failures);
    return failures ? 1 : 0;
}
