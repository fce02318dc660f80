// The dump's sections of the name box and the clipboard (rows in the table
// of dump.cpp).
#pragma once

struct ReplayContext;
class JsonWriter;

// The name box: its text as UTF-8, caret, selection anchor and end, focus,
// caret blink phase and click rectangle; null before the box is built.
void DumpTextBox(const ReplayContext& context, JsonWriter& json);
// The clipboard's text as UTF-8, or null when it is empty.
void DumpClipboard(const ReplayContext& context, JsonWriter& json);
