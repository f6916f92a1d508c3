// Loading any drawing text: nothing crashes, messages go to a counting sink, and every
// shape that loads writes a record that loads back to the same record.
#include "app/MainWindow.h"
#include "file/DrawingFile.h"
#include "shapes/LinkListCollection.h"
#include "ui/Prompts.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

const LinkListCollection& Prototypes() {
    static const LinkListCollection prototypes = [] {
        LinkListCollection list;
        RegisterPrototypes(list);
        return list;
    }();
    return prototypes;
}

std::size_t g_messages = 0;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const MessageSink sink([](const std::string&, std::uint32_t, const std::string&) {
        ++g_messages;
        return kAnswerOk;
    });
    const std::string text(reinterpret_cast<const char*>(data), size);
    const LinkListCollection shapes = LoadDrawingText(text, Prototypes());

    for (std::int32_t i = 1; i <= shapes.COUNT(); ++i) {
        const std::string record = shapes.ITEM(i)->ToText();
        const std::size_t messagesBefore = g_messages;
        const LinkListCollection again = LoadDrawingText(record, Prototypes());
        if (again.COUNT() != 1 || again.ITEM(1)->ToText() != record || g_messages != messagesBefore)
            std::abort();
    }
    // The whole drawing's text loads back to the same drawing.
    const std::string drawing = DrawingText(shapes).value();
    if (DrawingText(LoadDrawingText(drawing, Prototypes())) != drawing)
        std::abort();
    return 0;
}
