// The host's eight exports declared as the host's C++ header declares them, with the Windows
// types spelled out. check_decorated_names.sh compiles this for the MSVC x64 ABI and compares
// the decorated names with those ScriptHookRDR2.def imports.
struct HINSTANCE__;
typedef HINSTANCE__* HINSTANCE;
typedef unsigned __int64 UINT64;
typedef UINT64* PUINT64;
typedef unsigned long DWORD; // 32 bits on Windows
typedef unsigned short WORD;
typedef unsigned char BYTE;
typedef int BOOL;
typedef void (*KeyboardHandler)(DWORD, WORD, BYTE, BOOL, BOOL, BOOL, BOOL);

__declspec(dllimport) void scriptRegister(HINSTANCE module, void (*entry)());
__declspec(dllimport) void scriptUnregister(HINSTANCE module);
__declspec(dllimport) void keyboardHandlerRegister(KeyboardHandler handler);
__declspec(dllimport) void keyboardHandlerUnregister(KeyboardHandler handler);
__declspec(dllimport) void scriptWait(DWORD milliseconds);
__declspec(dllimport) void nativeInit(UINT64 hash);
__declspec(dllimport) void nativePush64(UINT64 value);
__declspec(dllimport) PUINT64 nativeCall();

// Referenced, so that each declaration appears in the output.
void useEveryExport() {
    scriptRegister(nullptr, nullptr);
    scriptUnregister(nullptr);
    keyboardHandlerRegister(nullptr);
    keyboardHandlerUnregister(nullptr);
    scriptWait(0);
    nativeInit(0);
    nativePush64(0);
    nativeCall();
}
