// Vorthmere.asi in this process as in the game: the stand-in ScriptHookRDR2.dll is already
// loaded (the simulator imports the stand-in host from it), so LoadLibrary binds the plug-in's
// eight host imports to it and runs DllMain, which registers the script and the keyboard handler.
#include "plugin_library.h"

#include "standin_host.h"

#include <windows.h>

#include <cstring>
#include <filesystem>
#include <io.h>

namespace sim {
namespace {
// The plug-in exports no DllMain: LoadLibrary has delivered the process attach already.
int32_t attachedByLoader(void*, uint32_t, void*) { return 1; }

std::filesystem::path programFolder() {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::filesystem::path(std::wstring(path, length)).parent_path();
}

// The import address table entry of one named function among a descriptor's imports.
ULONGLONG* namedImportEntry(BYTE* base, const IMAGE_IMPORT_DESCRIPTOR& imports, const char* function) {
    if (imports.OriginalFirstThunk == 0) return nullptr; // no names left to look up
    auto* names = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + imports.OriginalFirstThunk);
    auto* entries = reinterpret_cast<IMAGE_THUNK_DATA*>(base + imports.FirstThunk);
    for (; names->u1.AddressOfData != 0; ++names, ++entries) {
        if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
        const auto* byName = reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
        if (std::strcmp(reinterpret_cast<const char*>(byName->Name), function) == 0)
            return &entries->u1.Function;
    }
    return nullptr;
}

// The entry through which `module` calls `dll`!`function`, or nullptr when it imports none.
ULONGLONG* importEntry(HMODULE module, const char* dll, const char* function) {
    auto* base = reinterpret_cast<BYTE*>(module);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* headers = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& table = headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (table.VirtualAddress == 0) return nullptr;
    auto* imports = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + table.VirtualAddress);
    for (; imports->Name != 0; ++imports) {
        if (_stricmp(reinterpret_cast<const char*>(base + imports->Name), dll) == 0)
            return namedImportEntry(base, *imports, function);
    }
    return nullptr;
}

// The plug-in stamps every key message with GetTickCount and counts a key as held for 5000 ms
// after it. The Linux library imports GetTickCount from the program, which answers with the
// stand-in's clock, moved on by the simulated frames; the DLL imports it from KERNEL32.dll,
// which under Wine answers with the machine's clock, so key tests would depend on how fast the
// session happens to run. Pointing the DLL's import entry at the stand-in's clock gives both
// builds the same time without any change to the plug-in. The table may be read-only once
// loaded, hence the protection change around the one write.
bool useStandInClock(HMODULE plugin) {
    ULONGLONG* entry = importEntry(plugin, "KERNEL32.dll", "GetTickCount");
    DWORD previous = 0;
    if (!entry || !VirtualProtect(entry, sizeof *entry, PAGE_READWRITE, &previous)) return false;
    *entry = reinterpret_cast<ULONGLONG>(&standin::readTickCount);
    VirtualProtect(entry, sizeof *entry, previous, &previous);
    return true;
}
} // namespace

std::string defaultLibraryPath() {
    return (programFolder() / VORTHMERE_LIBRARY_FROM_PROGRAM).lexically_normal().string();
}

// Called before the script starts: DllMain reads no clock, so redirecting afterwards is in time.
LoadedLibrary loadPluginLibrary(const std::string& path) {
    LoadedLibrary loaded;
    HMODULE plugin = LoadLibraryA(path.c_str());
    if (!plugin) {
        loaded.error = "cannot load " + path + " (Windows error " + std::to_string(GetLastError()) + ")";
        return loaded;
    }
    if (!useStandInClock(plugin)) {
        loaded.error = path + " imports no KERNEL32.dll!GetTickCount that could read the simulated clock";
        return loaded;
    }
    loaded.dllMain = attachedByLoader;
    return loaded;
}

bool stderrIsTerminal() { return _isatty(_fileno(stderr)) != 0; }

} // namespace sim
