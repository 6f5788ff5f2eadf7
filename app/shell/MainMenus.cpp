#include "MainMenus.h"

#include <QtGlobal>

#include <array>

namespace {

constexpr std::array<MenuEntry, 48> Menus = {{
    {"mnuFile", "ﾌｧｲﾙ(&F)", "", MenuEntry::Menu, true, true, false},
    {"mnuFileOpen", "開く(&O)...", "", MenuEntry::Command, true, true, false},
    {"mnuFileListOpen", QT_TRANSLATE_NOOP("fPlayList", "ﾘｽﾄを開く(&R)..."), "", MenuEntry::Command, true, true, false},
    {"mnuFileLine1", "", "", MenuEntry::Separator, true, true, false},
    {"mnuFileDirectory", "MP3ﾃﾞｺｰﾄﾞ･ﾃﾞｨﾚｸﾄﾘ(&D)...", "", MenuEntry::Command, true, false, false},
    {"mnuFileLine2", "", "", MenuEntry::Separator, true, false, false},
    {"mnuFileSave", "上書き保存(&S)", "", MenuEntry::Command, false, true, false},
    {"mnuFileAnother", "別ﾃﾞｨﾚｸﾄﾘへ保存(&A)", "", MenuEntry::Command, false, true, false},
    {"mnuFileCue", "CUEｼｰﾄの書き出し(&C)...", "", MenuEntry::Command, false, true, false},
    {"mnuFileListSave", QT_TRANSLATE_NOOP("fPlayList", "ﾘｽﾄの保存(&L)..."), "", MenuEntry::Command, false, true, false},
    {"mnuFileLine3", "", "", MenuEntry::Separator, true, true, false},
    {"mnuFileQuit", "終了(&X)", "", MenuEntry::Command, true, true, false},
    {"mnuEdit", "編集(&E)", "", MenuEntry::Menu, true, true, false},
    {"mnuEditBack", "元に戻す(&U)", "Ctrl+Z", MenuEntry::Command, false, true, false},
    {"mnuEditLine1", "", "", MenuEntry::Separator, true, true, false},
    {"mnuEditMute", "MuteLengthの編集(&M)...", "Ctrl+M", MenuEntry::Command, false, true, false},
    {"mnuEditLevel", "Levelの編集(&L)...", "Ctrl+L", MenuEntry::Command, false, true, false},
    {"mnuEditLine2", "", "", MenuEntry::Separator, true, true, false},
    {"mnuEditAutoMuteOne", "MuteLengthの自動設定(&E)", "Ctrl+E", MenuEntry::Command, false, true, false},
    {"mnuEditAutoMuteAll", "全MuteLengthの自動設定(&F)", "", MenuEntry::Command, false, true, false},
    {"mnuEditLine3", "", "", MenuEntry::Separator, true, true, false},
    {"mnuEditNomalizeOne", "Levelの自動設定(&N)", "Ctrl+N", MenuEntry::Command, false, true, false},
    {"mnuEditNomalizeAll", "全Levelの自動設定(&P)", "", MenuEntry::Command, false, true, false},
    {"mnuEditLevelComp", "全Levelの10%圧縮(&T)", "Ctrl+T", MenuEntry::Command, false, true, false},
    {"mnuEditLine4", "", "", MenuEntry::Separator, true, true, false},
    {"mnuEditFadeIn", "FadeIn編集(&I)...", "", MenuEntry::Command, false, true, false},
    {"mnuEditFadeOut", "FadeOut編集(&O)...", "", MenuEntry::Command, false, true, false},
    {"mnuEditLine5", "", "", MenuEntry::Separator, true, true, false},
    {"mnuEditDel", "削除(&D)", "Del", MenuEntry::Command, false, true, false},
    {"mnuMove", "移動(&M)", "", MenuEntry::Menu, true, true, false},
    {"mnuMoveTop", "先頭へ移動(&T)", "", MenuEntry::Command, false, true, false},
    {"mnuMoveUp", "一つ上へ移動(&U)", "Ctrl+U", MenuEntry::Command, false, true, false},
    {"mnuMoveDown", "一つ下へ移動(&D)", "Ctrl+D", MenuEntry::Command, false, true, false},
    {"mnuMoveLast", "末尾へ移動(&L)", "", MenuEntry::Command, false, true, false},
    {"mnuPlay", "再生(&P)", "", MenuEntry::Menu, true, true, false},
    {"mnuPlayStart", "再生(&P)", "Ctrl+P", MenuEntry::Command, false, true, false},
    {"mnuPlayStop", "停止(&S)", "Ctrl+S", MenuEntry::Command, false, true, false},
    {"mnuPlayLine1", "", "", MenuEntry::Separator, true, true, false},
    {"mnuPlayPeak", "ﾋﾟｰｸﾎﾟｲﾝﾄの連続再生(&K)", "Ctrl+K", MenuEntry::Command, false, true, false},
    {"mnuWindow", "ｳｨﾝﾄﾞｳ(&W)", "", MenuEntry::Menu, true, true, false},
    {"mnuWindowPlayBar", "ﾌﾟﾚｲﾊﾞｰ･ｳｨﾝﾄﾞｳ(&P)", "", MenuEntry::Command, true, true, true},
    {"mnuWindowEdit", "ﾌｪｰﾄﾞｲﾝ･ｴﾃﾞｨﾀ(&F)", "", MenuEntry::Command, true, true, true},
    {"mnuWindowLine1", "", "", MenuEntry::Separator, true, true, false},
    {"mnuWindowArrange", "ｳｨﾝﾄﾞｳの整列(&A)", "", MenuEntry::Command, true, true, false},
    {"mnuHelp", "ｵﾌﾟｼｮﾝ(&O)", "", MenuEntry::Menu, true, true, false},
    {"mnuHelpOption", "設定(&S)...", "", MenuEntry::Command, true, true, false},
    {"mnuHelpLine1", "", "", MenuEntry::Separator, true, true, false},
    {"mnuHelpVersion", "ﾊﾞｰｼﾞｮﾝ情報(&A)...", "", MenuEntry::Command, true, true, false},
}};

constexpr std::array<ToolbarEntry, 14> Toolbar = {{
    {"open", "開く", "mnuFileOpen"},
    {"back", "元に戻す", "mnuEditBack"},
    {"top", "先頭へ移動", "mnuMoveTop"},
    {"up", "一つ上へ移動", "mnuMoveUp"},
    {"down", "一つ下へ移動", "mnuMoveDown"},
    {"last", "末尾へ移動", "mnuMoveLast"},
    {"del", "削除", "mnuEditDel"},
    {"playpeak", "ﾋﾟｰｸﾎﾟｲﾝﾄの連続再生", "mnuPlayPeak"},
    {"play", "曲頭から再生", "mnuPlayStart"},
    {"stop", "停止", "mnuPlayStop"},
    {"AutoMute", "MuteLengthの自動設定", "mnuEditAutoMuteOne"},
    {"Nomalize", "Levelの自動設定", "mnuEditNomalizeOne"},
    {"EditFadeIn", "FadeIn編集", "mnuEditFadeIn"},
    {"EditFadeOut", "FadeOut編集", "mnuEditFadeOut"},
}};

}  // namespace

std::span<const MenuEntry> mainMenuEntries()
{
    return Menus;
}

std::span<const ToolbarEntry> mainToolbarEntries()
{
    return Toolbar;
}
