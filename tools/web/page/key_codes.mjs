// KeyboardEvent.code to the Windows virtual-key code the host would deliver. Left and right
// modifiers are the generic Ctrl, Shift and Alt (17, 16, 18), as the plug-in's key names are.
const namedCodes = {
    ControlLeft: 17, ControlRight: 17, ShiftLeft: 16, ShiftRight: 16, AltLeft: 18, AltRight: 18,
    Space: 32, Enter: 13, NumpadEnter: 13, Escape: 27, Tab: 9, Backspace: 8, Insert: 45, Delete: 46,
    Home: 36, End: 35, PageUp: 33, PageDown: 34, ArrowLeft: 37, ArrowUp: 38, ArrowRight: 39, ArrowDown: 40,
    CapsLock: 20, Pause: 19, PrintScreen: 44, ScrollLock: 145, NumLock: 144, MetaLeft: 91, MetaRight: 92,
    ContextMenu: 93, NumpadMultiply: 106, NumpadAdd: 107, NumpadSubtract: 109, NumpadDecimal: 110,
    NumpadDivide: 111, Semicolon: 186, Equal: 187, Comma: 188, Minus: 189, Period: 190, Slash: 191,
    Backquote: 192, BracketLeft: 219, Backslash: 220, BracketRight: 221, Quote: 222, IntlBackslash: 226,
};

// The virtual-key code of a KeyboardEvent.code, or null for a key the host has no code for.
export function virtualKeyOf(code) {
    if (code in namedCodes) return namedCodes[code];
    let match = /^Key([A-Z])$/.exec(code);
    if (match) return match[1].charCodeAt(0);
    match = /^Digit([0-9])$/.exec(code);
    if (match) return 48 + Number(match[1]);
    match = /^Numpad([0-9])$/.exec(code);
    if (match) return 96 + Number(match[1]);
    match = /^F([1-9]|1[0-9]|2[0-4])$/.exec(code);
    if (match) return 111 + Number(match[1]);
    return null;
}
