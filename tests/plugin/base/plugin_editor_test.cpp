#include "plugin/base/plugin_editor.h"

#include "plugin/base/audio_plugin_x.h"

#include <gtest/gtest.h>

namespace {

class BarePlugin : public AudioPluginX {
public:
    BarePlugin() : AudioPluginX(nullptr, 1, 1) {}
    void processReplacing(float**, float**, std::int32_t) override {}
};

TEST(PluginEditorBase, ItKeepsTheHostsWindowAndDeclinesEverythingElse)
{
    BarePlugin plugin;
    PluginEditor editor(&plugin);
    EXPECT_EQ(editor.getEffect(), &plugin);

    ERect stored{};
    ERect* rect = &stored;
    EXPECT_FALSE(editor.getRect(&rect));
    EXPECT_EQ(rect, nullptr);

    int window = 0;
    EXPECT_FALSE(editor.isOpen());
    EXPECT_FALSE(editor.open(&window)); // the base builds nothing, but keeps the window
    EXPECT_TRUE(editor.isOpen());
    editor.close();
    EXPECT_FALSE(editor.isOpen());

    PlugKeyCode key{'a', 2, 1};
    EXPECT_FALSE(editor.onKeyDown(key));
    EXPECT_FALSE(editor.onKeyUp(key));
    EXPECT_FALSE(editor.onWheel(1.0f));
    EXPECT_FALSE(editor.setKnobMode(2));
    EXPECT_EQ(editor.mouse(3, 4), 0);
    EXPECT_EQ(editor.key(65), 0);
}

} // namespace
