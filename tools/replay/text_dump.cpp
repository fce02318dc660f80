#include "text_dump.h"

#include "app/app.h"
#include "commands.h"
#include "engine/hge.h"
#include "json_writer.h"
#include "text/utf16.h"

void DumpTextBox(const ReplayContext& context, JsonWriter& json) {
    const TextBox* box = context.app.nameInput.box.get();
    if (box == nullptr) {
        json.Null();
        return;
    }
    json.BeginObject();
    json.Key("text");
    json.String(Utf16ToUtf8(box->text));
    json.Key("caret");
    json.Int(box->caret);
    json.Key("anchor");
    json.Int(box->anchor);
    json.Key("end");
    json.Int(box->end);
    json.Key("focused");
    json.Bool(box->Focused());
    json.Key("caretVisible");
    json.Bool(box->caretVisible);
    json.Key("x");
    json.Float(box->clickRect.x1);
    json.Key("y");
    json.Float(box->clickRect.y1);
    json.Key("width");
    json.Float(box->clickRect.x2 - box->clickRect.x1);
    json.Key("height");
    json.Float(box->clickRect.y2 - box->clickRect.y1);
    json.EndObject();
}

void DumpClipboard(const ReplayContext& context, JsonWriter& json) {
    const std::string text = context.hge.System_GetClipboardText();
    if (text.empty()) {
        json.Null();
    } else {
        json.String(text);
    }
}
