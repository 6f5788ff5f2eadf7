#include "MainMenus.h"

#include <QtGlobal>

namespace {

constexpr MenuEntry Menus[] = {
    {"mnuFile", QT_TRANSLATE_NOOP("MainMenus", "ﾌｧｲﾙ(&F)"), "", MenuEntry::Menu, true, true, false},
    {"mnuFileOpen", QT_TRANSLATE_NOOP("MainMenus", "開く(&O)..."), "", MenuEntry::Command, true, true, false},
    {"mnuFileListOpen", QT_TRANSLATE_NOOP("MainMenus", "ﾘｽﾄを開く(&R)..."), "", MenuEntry::Command, true, true, false},
    {"mnuFileSplit", QT_TRANSLATE_NOOP("MainMenus", "録音をﾄﾗｯｸに分割(&K)..."), "", MenuEntry::Command, true, true, false},
    {"mnuFileDdpOpen", QT_TRANSLATE_NOOP("MainMenus", "DDPｲﾒｰｼﾞを開く(&I)..."), "", MenuEntry::Command, true, true, false},
    {"mnuFileLine1", "", "", MenuEntry::Separator, true, true, false},
    {"mnuFileDirectory", QT_TRANSLATE_NOOP("MainMenus", "MP3ﾃﾞｺｰﾄﾞ･ﾃﾞｨﾚｸﾄﾘ(&D)..."), "", MenuEntry::Command, true, false, false},
    {"mnuFileLine2", "", "", MenuEntry::Separator, true, false, false},
    {"mnuFileSave", QT_TRANSLATE_NOOP("MainMenus", "上書き保存(&S)"), "", MenuEntry::Command, false, true, false},
    {"mnuFileAnother", QT_TRANSLATE_NOOP("MainMenus", "別ﾃﾞｨﾚｸﾄﾘへ保存(&A)"), "", MenuEntry::Command, false, true, false},
    {"mnuFileCue", QT_TRANSLATE_NOOP("MainMenus", "CUEｼｰﾄの書き出し(&C)..."), "", MenuEntry::Command, false, true, false},
    {"mnuFileDdp", QT_TRANSLATE_NOOP("MainMenus", "DDPｲﾒｰｼﾞの書き出し(&P)..."), "", MenuEntry::Command, false, true, false},
    {"mnuFilePqSheet", QT_TRANSLATE_NOOP("MainMenus", "PQｼｰﾄの書き出し(&Q)..."), "", MenuEntry::Command, false, true, false},
    {"mnuFileWrite", QT_TRANSLATE_NOOP("MainMenus", "CD-Rへの書き込み(&W)..."), "", MenuEntry::Command, false, true, false},
    {"mnuFileListSave", QT_TRANSLATE_NOOP("MainMenus", "ﾘｽﾄの保存(&L)..."), "", MenuEntry::Command, false, true, false},
    {"mnuFileLine3", "", "", MenuEntry::Separator, true, true, false},
    {"mnuFileQuit", QT_TRANSLATE_NOOP("MainMenus", "終了(&X)"), "", MenuEntry::Command, true, true, false},
    {"mnuEdit", QT_TRANSLATE_NOOP("MainMenus", "編集(&E)"), "", MenuEntry::Menu, true, true, false},
    {"mnuEditBack", QT_TRANSLATE_NOOP("MainMenus", "元に戻す(&U)"), "Ctrl+Z", MenuEntry::Command, false, true, false},
    {"mnuEditLine1", "", "", MenuEntry::Separator, true, true, false},
    {"mnuEditMute", QT_TRANSLATE_NOOP("MainMenus", "MuteLengthの編集(&M)..."), "Ctrl+M", MenuEntry::Command, false, true, false},
    {"mnuEditLevel", QT_TRANSLATE_NOOP("MainMenus", "Levelの編集(&L)..."), "Ctrl+L", MenuEntry::Command, false, true, false},
    {"mnuEditLine2", "", "", MenuEntry::Separator, true, true, false},
    {"mnuEditAutoMuteOne", QT_TRANSLATE_NOOP("MainMenus", "MuteLengthの自動設定(&E)"), "Ctrl+E", MenuEntry::Command, false, true, false},
    {"mnuEditAutoMuteAll", QT_TRANSLATE_NOOP("MainMenus", "全MuteLengthの自動設定(&F)"), "", MenuEntry::Command, false, true, false},
    {"mnuEditLine3", "", "", MenuEntry::Separator, true, true, false},
    {"mnuEditNomalizeOne", QT_TRANSLATE_NOOP("MainMenus", "Levelの自動設定(&N)"), "Ctrl+N", MenuEntry::Command, false, true, false},
    {"mnuEditNomalizeAll", QT_TRANSLATE_NOOP("MainMenus", "全Levelの自動設定(&P)"), "", MenuEntry::Command, false, true, false},
    {"mnuEditLoudnessAll", QT_TRANSLATE_NOOP("MainMenus", "全Levelをﾗｳﾄﾞﾈｽで揃える(&R)"), "", MenuEntry::Command, false,
     true, false},
    {"mnuEditLevelComp", QT_TRANSLATE_NOOP("MainMenus", "全Levelの10%圧縮(&T)"), "Ctrl+T", MenuEntry::Command, false, true, false},
    {"mnuEditLine4", "", "", MenuEntry::Separator, true, true, false},
    {"mnuEditFadeIn", QT_TRANSLATE_NOOP("MainMenus", "FadeIn編集(&I)..."), "", MenuEntry::Command, false, true, false},
    {"mnuEditFadeOut", QT_TRANSLATE_NOOP("MainMenus", "FadeOut編集(&O)..."), "", MenuEntry::Command, false, true, false},
    {"mnuEditLine5", "", "", MenuEntry::Separator, true, true, false},
    {"mnuEditDel", QT_TRANSLATE_NOOP("MainMenus", "削除(&D)"), "Del", MenuEntry::Command, false, true, false},
    {"mnuEditLine6", "", "", MenuEntry::Separator, true, true, false},
    {"mnuEditCdText", QT_TRANSLATE_NOOP("MainMenus", "CD-TEXTの編集(&X)..."), "", MenuEntry::Command, false, true, false},
    {"mnuMove", QT_TRANSLATE_NOOP("MainMenus", "移動(&M)"), "", MenuEntry::Menu, true, true, false},
    {"mnuMoveTop", QT_TRANSLATE_NOOP("MainMenus", "先頭へ移動(&T)"), "", MenuEntry::Command, false, true, false},
    {"mnuMoveUp", QT_TRANSLATE_NOOP("MainMenus", "一つ上へ移動(&U)"), "Ctrl+U", MenuEntry::Command, false, true, false},
    {"mnuMoveDown", QT_TRANSLATE_NOOP("MainMenus", "一つ下へ移動(&D)"), "Ctrl+D", MenuEntry::Command, false, true, false},
    {"mnuMoveLast", QT_TRANSLATE_NOOP("MainMenus", "末尾へ移動(&L)"), "", MenuEntry::Command, false, true, false},
    {"mnuPlay", QT_TRANSLATE_NOOP("MainMenus", "再生(&P)"), "", MenuEntry::Menu, true, true, false},
    {"mnuPlayStart", QT_TRANSLATE_NOOP("MainMenus", "再生(&P)"), "Ctrl+P", MenuEntry::Command, false, true, false},
    {"mnuPlayStop", QT_TRANSLATE_NOOP("MainMenus", "停止(&S)"), "Ctrl+S", MenuEntry::Command, false, true, false},
    {"mnuPlayLine1", "", "", MenuEntry::Separator, true, true, false},
    {"mnuPlayPeak", QT_TRANSLATE_NOOP("MainMenus", "ﾋﾟｰｸﾎﾟｲﾝﾄの連続再生(&K)"), "Ctrl+K", MenuEntry::Command, false, true, false},
    {"mnuWindow", QT_TRANSLATE_NOOP("MainMenus", "ｳｨﾝﾄﾞｳ(&W)"), "", MenuEntry::Menu, true, true, false},
    {"mnuWindowPlayBar", QT_TRANSLATE_NOOP("MainMenus", "ﾌﾟﾚｲﾊﾞｰ･ｳｨﾝﾄﾞｳ(&P)"), "", MenuEntry::Command, true, true, true},
    {"mnuWindowEdit", QT_TRANSLATE_NOOP("MainMenus", "ﾌｪｰﾄﾞｲﾝ･ｴﾃﾞｨﾀ(&F)"), "", MenuEntry::Command, true, true, true},
    {"mnuWindowLine1", "", "", MenuEntry::Separator, true, true, false},
    {"mnuWindowArrange", QT_TRANSLATE_NOOP("MainMenus", "ｳｨﾝﾄﾞｳの整列(&A)"), "", MenuEntry::Command, true, true, false},
    {"mnuHelp", QT_TRANSLATE_NOOP("MainMenus", "ｵﾌﾟｼｮﾝ(&O)"), "", MenuEntry::Menu, true, true, false},
    {"mnuHelpOption", QT_TRANSLATE_NOOP("MainMenus", "設定(&S)..."), "", MenuEntry::Command, true, true, false},
    {"mnuHelpLine1", "", "", MenuEntry::Separator, true, true, false},
    {"mnuHelpVersion", QT_TRANSLATE_NOOP("MainMenus", "ﾊﾞｰｼﾞｮﾝ情報(&A)..."), "", MenuEntry::Command, true, true, false},
};

constexpr ToolbarEntry Toolbar[] = {
    {"open", QT_TRANSLATE_NOOP("MainMenus", "開く"), "mnuFileOpen"},
    {"back", QT_TRANSLATE_NOOP("MainMenus", "元に戻す"), "mnuEditBack"},
    {"top", QT_TRANSLATE_NOOP("MainMenus", "先頭へ移動"), "mnuMoveTop"},
    {"up", QT_TRANSLATE_NOOP("MainMenus", "一つ上へ移動"), "mnuMoveUp"},
    {"down", QT_TRANSLATE_NOOP("MainMenus", "一つ下へ移動"), "mnuMoveDown"},
    {"last", QT_TRANSLATE_NOOP("MainMenus", "末尾へ移動"), "mnuMoveLast"},
    {"del", QT_TRANSLATE_NOOP("MainMenus", "削除"), "mnuEditDel"},
    {"playpeak", QT_TRANSLATE_NOOP("MainMenus", "ﾋﾟｰｸﾎﾟｲﾝﾄの連続再生"), "mnuPlayPeak"},
    {"play", QT_TRANSLATE_NOOP("MainMenus", "曲頭から再生"), "mnuPlayStart"},
    {"stop", QT_TRANSLATE_NOOP("MainMenus", "停止"), "mnuPlayStop"},
    {"AutoMute", QT_TRANSLATE_NOOP("MainMenus", "MuteLengthの自動設定"), "mnuEditAutoMuteOne"},
    {"Nomalize", QT_TRANSLATE_NOOP("MainMenus", "Levelの自動設定"), "mnuEditNomalizeOne"},
    {"EditFadeIn", QT_TRANSLATE_NOOP("MainMenus", "FadeIn編集"), "mnuEditFadeIn"},
    {"EditFadeOut", QT_TRANSLATE_NOOP("MainMenus", "FadeOut編集"), "mnuEditFadeOut"},
};

}  // namespace

std::span<const MenuEntry> mainMenuEntries()
{
    return Menus;
}

std::span<const ToolbarEntry> mainToolbarEntries()
{
    return Toolbar;
}
