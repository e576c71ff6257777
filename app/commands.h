// Command IDs, the menu and the accelerator table of the main frame.
#pragma once

#include <QKeySequence>
#include <array>
#include <string_view>

namespace fretwise::app {

enum Command : int {
  kFileNew = 57600,
  kFileOpen = 57601,
  kFileSave = 57603,
  kEditCopy = 57634,
  kEditCut = 57635,
  kEditPaste = 57637,
  kEditUndo = 57643,
  kAppAbout = 57664,
  kAppExit = 57665,
  kNextPane = 57680,
  kPrevPane = 57681,
  kFindChord = 32771,  // the chord finder's window
  // The view's push buttons.
  kShowNotes = 61233,
  kPlay = 61277,
  kClear = 61278,
  kNextCandidate = 61279,
};

struct MenuItem {
  std::string_view menu;  // half-width katakana; '&' marks the access key
  std::string_view item;  // the shortcut is part of the text, not a tab-separated hint
  Command command;
};

inline constexpr std::array<MenuItem, 3> kMenu = {{
    {"ﾌｧｲﾙ(&F)", "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X) Ctrl+Q", kAppExit},
    {"ｺｰﾄﾞ(&C)", "ｺｰﾄﾞ検索(&F)...", kFindChord},
    {"ﾍﾙﾌﾟ(&H)", "ﾊﾞｰｼﾞｮﾝ情報(Fretwise) (&A)...", kAppAbout},
}};

struct Accelerator {
  QKeyCombination keys;
  Command command;
};

// Every entry is bound; those whose command has no handler do nothing.
inline constexpr std::array<Accelerator, 14> kAccelerators = {{
    {Qt::CTRL | Qt::Key_C, kEditCopy},
    {Qt::CTRL | Qt::Key_N, kFileNew},
    {Qt::CTRL | Qt::Key_O, kFileOpen},
    {Qt::CTRL | Qt::Key_Q, kAppExit},
    {Qt::CTRL | Qt::Key_S, kFileSave},
    {Qt::CTRL | Qt::Key_V, kEditPaste},
    {Qt::ALT | Qt::Key_Backspace, kEditUndo},
    {Qt::SHIFT | Qt::Key_Delete, kEditCut},
    {QKeyCombination(Qt::Key_F6), kNextPane},
    {Qt::SHIFT | Qt::Key_F6, kPrevPane},
    {Qt::CTRL | Qt::Key_Insert, kEditCopy},
    {Qt::SHIFT | Qt::Key_Insert, kEditPaste},
    {Qt::CTRL | Qt::Key_X, kEditCut},
    {Qt::CTRL | Qt::Key_F, kFindChord},
}};

inline constexpr std::string_view kApplicationName = "Fretwise";
inline constexpr std::string_view kSettingsKey = "Local AppWizard-Generated Applications";
inline constexpr std::string_view kViewTitle = "Fretwise by Arkelos";

}  // namespace fretwise::app
