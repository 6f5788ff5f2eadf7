#include "EditorMenus.h"

#include <QtGlobal>

namespace {

// The track items of the File menu go before its separator.
constexpr MenuEntry Menus[] = {
    {"mnuFile", QT_TRANSLATE_NOOP("EditorMenus", "ﾌｧｲﾙ(&F)"), "", MenuEntry::Menu},
    {"", "", "", MenuEntry::Separator},
    {"mnuFileClose", QT_TRANSLATE_NOOP("EditorMenus", "閉じる(&X)"), "", MenuEntry::Command},
    {"mnuFadeIn", QT_TRANSLATE_NOOP("EditorMenus", "ﾌｪｰﾄﾞｲﾝ編集(&I)"), "", MenuEntry::Menu},
    {"mnuFadeInPre", QT_TRANSLATE_NOOP("EditorMenus", "PreMuteﾎﾟｲﾝﾄ設定(&P)"), "", MenuEntry::Command},
    {"mnuFadeInPreDigi", QT_TRANSLATE_NOOP("EditorMenus", "PreMuteﾎﾟｲﾝﾄをPreDigitalMuteに揃える(&O)"), "", MenuEntry::Command},
    {"mnuFadeInPreBack", QT_TRANSLATE_NOOP("EditorMenus", "PreMuteﾎﾟｲﾝﾄを元に戻す(&Q)"), "", MenuEntry::Command},
    {"", "", "", MenuEntry::Separator},
    {"mnuFadeInDigi", QT_TRANSLATE_NOOP("EditorMenus", "PreDigitalMute設定(&D)"), "", MenuEntry::Command},
    {"mnuFadeInDigiPre", QT_TRANSLATE_NOOP("EditorMenus", "PreDigitalMuteをPreMuteﾎﾟｲﾝﾄに揃える(&C)"), "", MenuEntry::Command},
    {"mnuFadeInDigiBack", QT_TRANSLATE_NOOP("EditorMenus", "PreDigitalMute解除(&E)"), "", MenuEntry::Command},
    {"", "", "", MenuEntry::Separator},
    {"mnuFadeInEnd", QT_TRANSLATE_NOOP("EditorMenus", "FadeIn設定(&F)"), "", MenuEntry::Command},
    {"mnuFadeInEnv", QT_TRANSLATE_NOOP("EditorMenus", "FadeInｴﾝﾍﾞﾛｰﾌﾟ編集(&E)..."), "", MenuEntry::Command},
    {"mnuFadeInEndBack", QT_TRANSLATE_NOOP("EditorMenus", "FadeIn解除(&G)"), "", MenuEntry::Command},
    {"mnuFadeOut", QT_TRANSLATE_NOOP("EditorMenus", "ﾌｪｰﾄﾞｱｳﾄ編集(&O)"), "", MenuEntry::Menu},
    {"mnuFadeOutPost", QT_TRANSLATE_NOOP("EditorMenus", "PostMuteﾎﾟｲﾝﾄ設定(&P)"), "", MenuEntry::Command},
    {"mnuFadeOutPostDigi", QT_TRANSLATE_NOOP("EditorMenus", "PostMuteﾎﾟｲﾝﾄをPostDigitalMuteに揃える(&O)"), "", MenuEntry::Command},
    {"mnuFadeOutPostBack", QT_TRANSLATE_NOOP("EditorMenus", "PostMuteﾎﾟｲﾝﾄを元に戻す(&Q)"), "", MenuEntry::Command},
    {"", "", "", MenuEntry::Separator},
    {"mnuFadeOutDigi", QT_TRANSLATE_NOOP("EditorMenus", "PostDigitalMute設定(&D)"), "", MenuEntry::Command},
    {"mnuFadeOutDigiPost", QT_TRANSLATE_NOOP("EditorMenus", "PostDigitalMuteをPostMuteﾎﾟｲﾝﾄに揃える(&C)"), "", MenuEntry::Command},
    {"mnuFadeOutDigiBack", QT_TRANSLATE_NOOP("EditorMenus", "PostDigitalMute解除(&E)"), "", MenuEntry::Command},
    {"", "", "", MenuEntry::Separator},
    {"mnuFadeOutStart", QT_TRANSLATE_NOOP("EditorMenus", "FadeOut設定(&F)"), "", MenuEntry::Command},
    {"mnuFadeOutEnv", QT_TRANSLATE_NOOP("EditorMenus", "FadeOutｴﾝﾍﾞﾛｰﾌﾟ編集(&E)..."), "", MenuEntry::Command},
    {"mnuFadeOutStartBack", QT_TRANSLATE_NOOP("EditorMenus", "FadeOut解除(&G)"), "", MenuEntry::Command},
};

constexpr ToolbarEntry Buttons[] = {
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
};

}  // namespace

std::span<const MenuEntry> editorMenuEntries()
{
    return Menus;
}

std::span<const ToolbarEntry> editorButtons()
{
    return Buttons;
}
