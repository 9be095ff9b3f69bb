#pragma once

namespace tessaro {

// Windows, gadgets and commands are addressed by fixed numbers, as the menus,
// the toolbar and the keyboard shortcuts report them.

inline constexpr int mainWindowNumber = 0;
inline constexpr int preferencesWindowNumber = 1;
inline constexpr int progressWindowNumber = 3;
inline constexpr int customConverterWindowNumber = 6;
inline constexpr int aboutWindowNumber = 8;

// Gadgets of the main window.
inline constexpr int containerGadget = 0;
inline constexpr int inputLabelGadget = 1;
inline constexpr int inputFieldGadget = 2;
inline constexpr int outputFolderLabelGadget = 4;
inline constexpr int outputFolderListGadget = 5;
inline constexpr int outputFormatLabelGadget = 6;
inline constexpr int outputFormatListGadget = 7;
inline constexpr int convertButtonGadget = 8;
inline constexpr int copyrightLabelGadget = 11;

// Gadgets of the progress window.
inline constexpr int progressFileLabelGadget = 338;
inline constexpr int progressBarGadget = 339;
inline constexpr int progressOkButtonGadget = 340;

// Commands of the main window's menus, toolbars and shortcuts.
inline constexpr int newCommand = 0;
inline constexpr int exitCommand = 3;
inline constexpr int selectInputFileCommand = 5;
inline constexpr int selectOutputFolderCommand = 7;
inline constexpr int outputFormatOptionsCommand = 8;
inline constexpr int convertCommand = 14;
inline constexpr int customConverterCommand = 16;
inline constexpr int preferencesCommand = 17;
inline constexpr int manualCommand = 18;
inline constexpr int sendFeedbackCommand = 21;
inline constexpr int visitHomepageCommand = 22;
inline constexpr int checkForNewVersionCommand = 23;
inline constexpr int aboutCommand = 24;

// The preferences page that the Output Format Options command opens.
inline constexpr int outputPreferencesPage = 3;

}  // namespace tessaro
