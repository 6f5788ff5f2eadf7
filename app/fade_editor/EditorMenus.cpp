#include "EditorMenus.h"

#include <QtGlobal>

#include <array>

namespace {

constexpr std::array<EditorMenuEntry, 11> FadeInEntries = {{
    {"mnuFadeInPre", QT_TRANSLATE_NOOP("EditorMenus", "PreMuteﾎﾟｲﾝﾄ設定(&P)")},
    {"mnuFadeInPreDigi", QT_TRANSLATE_NOOP("EditorMenus", "PreMuteﾎﾟｲﾝﾄをPreDigitalMuteに揃える(&O)")},
    {"mnuFadeInPreBack", QT_TRANSLATE_NOOP("EditorMenus", "PreMuteﾎﾟｲﾝﾄを元に戻す(&Q)")},
    {"", ""},
    {"mnuFadeInDigi", QT_TRANSLATE_NOOP("EditorMenus", "PreDigitalMute設定(&D)")},
    {"mnuFadeInDigiPre", QT_TRANSLATE_NOOP("EditorMenus", "PreDigitalMuteをPreMuteﾎﾟｲﾝﾄに揃える(&C)")},
    {"mnuFadeInDigiBack", QT_TRANSLATE_NOOP("EditorMenus", "PreDigitalMute解除(&E)")},
    {"", ""},
    {"mnuFadeInEnd", QT_TRANSLATE_NOOP("EditorMenus", "FadeIn設定(&F)")},
    {"mnuFadeInEnv", QT_TRANSLATE_NOOP("EditorMenus", "FadeInｴﾝﾍﾞﾛｰﾌﾟ編集(&E)...")},
    {"mnuFadeInEndBack", QT_TRANSLATE_NOOP("EditorMenus", "FadeIn解除(&G)")},
}};

constexpr std::array<EditorMenuEntry, 11> FadeOutEntries = {{
    {"mnuFadeOutPost", QT_TRANSLATE_NOOP("EditorMenus", "PostMuteﾎﾟｲﾝﾄ設定(&P)")},
    {"mnuFadeOutPostDigi", QT_TRANSLATE_NOOP("EditorMenus", "PostMuteﾎﾟｲﾝﾄをPostDigitalMuteに揃える(&O)")},
    {"mnuFadeOutPostBack", QT_TRANSLATE_NOOP("EditorMenus", "PostMuteﾎﾟｲﾝﾄを元に戻す(&Q)")},
    {"", ""},
    {"mnuFadeOutDigi", QT_TRANSLATE_NOOP("EditorMenus", "PostDigitalMute設定(&D)")},
    {"mnuFadeOutDigiPost", QT_TRANSLATE_NOOP("EditorMenus", "PostDigitalMuteをPostMuteﾎﾟｲﾝﾄに揃える(&C)")},
    {"mnuFadeOutDigiBack", QT_TRANSLATE_NOOP("EditorMenus", "PostDigitalMute解除(&E)")},
    {"", ""},
    {"mnuFadeOutStart", QT_TRANSLATE_NOOP("EditorMenus", "FadeOut設定(&F)")},
    {"mnuFadeOutEnv", QT_TRANSLATE_NOOP("EditorMenus", "FadeOutｴﾝﾍﾞﾛｰﾌﾟ編集(&E)...")},
    {"mnuFadeOutStartBack", QT_TRANSLATE_NOOP("EditorMenus", "FadeOut解除(&G)")},
}};

constexpr std::array<EditorMenu, 2> Menus = {{
    {"mnuFadeIn", QT_TRANSLATE_NOOP("EditorMenus", "ﾌｪｰﾄﾞｲﾝ編集(&I)"), FadeInEntries},
    {"mnuFadeOut", QT_TRANSLATE_NOOP("EditorMenus", "ﾌｪｰﾄﾞｱｳﾄ編集(&O)"), FadeOutEntries},
}};

constexpr std::array<EditorButton, 12> Buttons = {{
    {"zoomin", QT_TRANSLATE_NOOP("EditorMenus", "拡大"), ""},
    {"zoomout", QT_TRANSLATE_NOOP("EditorMenus", "縮小"), ""},
    {"play", QT_TRANSLATE_NOOP("EditorMenus", "ポインタ位置より再生"), ""},
    {"stop", QT_TRANSLATE_NOOP("EditorMenus", "停止"), ""},
    {"FadeInPre", QT_TRANSLATE_NOOP("EditorMenus", "PreMuteﾎﾟｲﾝﾄ設定"), "mnuFadeInPre"},
    {"FadeInDigi", QT_TRANSLATE_NOOP("EditorMenus", "PreDigitalMute設定"), "mnuFadeInDigi"},
    {"FadeInEnd", QT_TRANSLATE_NOOP("EditorMenus", "FadeIn設定"), "mnuFadeInEnd"},
    {"FadeInEnv", QT_TRANSLATE_NOOP("EditorMenus", "FadeInｴﾝﾍﾞﾛｰﾌﾟ編集"), "mnuFadeInEnv"},
    {"FadeOutPost", QT_TRANSLATE_NOOP("EditorMenus", "PostMuteﾎﾟｲﾝﾄ設定"), "mnuFadeOutPost"},
    {"FadeOutDigi", QT_TRANSLATE_NOOP("EditorMenus", "PostDigitalMute設定"), "mnuFadeOutDigi"},
    {"FadeOutStart", QT_TRANSLATE_NOOP("EditorMenus", "FadeOut設定"), "mnuFadeOutStart"},
    {"FadeOutEnv", QT_TRANSLATE_NOOP("EditorMenus", "FadeOutｴﾝﾍﾞﾛｰﾌﾟ編集"), "mnuFadeOutEnv"},
}};

}  // namespace

std::span<const EditorMenu> editorMenus()
{
    return Menus;
}

std::span<const EditorButton> editorButtons()
{
    return Buttons;
}
