#include "EditorMenus.h"

#include <array>

namespace {

constexpr std::array<EditorMenuEntry, 11> FadeInEntries = {{
    {"mnuFadeInPre", "PreMuteﾎﾟｲﾝﾄ設定(&P)"},
    {"mnuFadeInPreDigi", "PreMuteﾎﾟｲﾝﾄをPreDigitalMuteに揃える(&O)"},
    {"mnuFadeInPreBack", "PreMuteﾎﾟｲﾝﾄを元に戻す(&Q)"},
    {"", ""},
    {"mnuFadeInDigi", "PreDigitalMute設定(&D)"},
    {"mnuFadeInDigiPre", "PreDigitalMuteをPreMuteﾎﾟｲﾝﾄに揃える(&C)"},
    {"mnuFadeInDigiBack", "PreDigitalMute解除(&E)"},
    {"", ""},
    {"mnuFadeInEnd", "FadeIn設定(&F)"},
    {"mnuFadeInEnv", "FadeInｴﾝﾍﾞﾛｰﾌﾟ編集(&E)..."},
    {"mnuFadeInEndBack", "FadeIn解除(&G)"},
}};

constexpr std::array<EditorMenuEntry, 11> FadeOutEntries = {{
    {"mnuFadeOutPost", "PostMuteﾎﾟｲﾝﾄ設定(&P)"},
    {"mnuFadeOutPostDigi", "PostMuteﾎﾟｲﾝﾄをPostDigitalMuteに揃える(&O)"},
    {"mnuFadeOutPostBack", "PostMuteﾎﾟｲﾝﾄを元に戻す(&Q)"},
    {"", ""},
    {"mnuFadeOutDigi", "PostDigitalMute設定(&D)"},
    {"mnuFadeOutDigiPost", "PostDigitalMuteをPostMuteﾎﾟｲﾝﾄに揃える(&C)"},
    {"mnuFadeOutDigiBack", "PostDigitalMute解除(&E)"},
    {"", ""},
    {"mnuFadeOutStart", "FadeOut設定(&F)"},
    {"mnuFadeOutEnv", "FadeOutｴﾝﾍﾞﾛｰﾌﾟ編集(&E)..."},
    {"mnuFadeOutStartBack", "FadeOut解除(&G)"},
}};

constexpr std::array<EditorMenu, 2> Menus = {{
    {"mnuFadeIn", "ﾌｪｰﾄﾞｲﾝ編集(&I)", FadeInEntries},
    {"mnuFadeOut", "ﾌｪｰﾄﾞｱｳﾄ編集(&O)", FadeOutEntries},
}};

constexpr std::array<EditorButton, 12> Buttons = {{
    {"zoomin", "拡大", ""},
    {"zoomout", "縮小", ""},
    {"play", "ポインタ位置より再生", ""},
    {"stop", "停止", ""},
    {"FadeInPre", "PreMuteﾎﾟｲﾝﾄ設定", "mnuFadeInPre"},
    {"FadeInDigi", "PreDigitalMute設定", "mnuFadeInDigi"},
    {"FadeInEnd", "FadeIn設定", "mnuFadeInEnd"},
    {"FadeInEnv", "FadeInｴﾝﾍﾞﾛｰﾌﾟ編集", "mnuFadeInEnv"},
    {"FadeOutPost", "PostMuteﾎﾟｲﾝﾄ設定", "mnuFadeOutPost"},
    {"FadeOutDigi", "PostDigitalMute設定", "mnuFadeOutDigi"},
    {"FadeOutStart", "FadeOut設定", "mnuFadeOutStart"},
    {"FadeOutEnv", "FadeOutｴﾝﾍﾞﾛｰﾌﾟ編集", "mnuFadeOutEnv"},
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
