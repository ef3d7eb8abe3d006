// Command numbers of the macro editor's two context menus.
#pragma once

// Event list.
inline constexpr int kCmdRecordBefore = 1001;
inline constexpr int kCmdRecordAfter = 1002;
inline constexpr int kCmdInsertDelay = 1003;
inline constexpr int kCmdEditValue = 1004;
inline constexpr int kCmdDeleteRow = 1005;
// Five buttons (left, right, wheel, forward, back), three commands each:
// press, release, click.
inline constexpr int kCmdFirstMouseButton = 1020;
inline constexpr int kCmdLastMouseButton = 1034;
// Step pairs.
inline constexpr int kCmdFirstStepPair = 1037;
inline constexpr int kCmdLastStepPair = 1040;

// Tree list.
inline constexpr int kCmdNewGroup = 1051;
inline constexpr int kCmdDeleteGroup = 1052;
inline constexpr int kCmdNewMacro = 1053;
inline constexpr int kCmdDeleteMacro = 1054;
inline constexpr int kCmdImportMacro = 1055;
inline constexpr int kCmdExportMacro = 1056;
inline constexpr int kCmdImportGroup = 1057;
inline constexpr int kCmdExportGroup = 1058;
inline constexpr int kCmdRename = 1059;

// Control ids of the two lists.
inline constexpr int kMacroTreeListId = 4096;
inline constexpr int kEventListId = 4097;
inline constexpr int kRepeatCountFieldId = 4010;
inline constexpr int kRepeatCountTextLimit = 3;
inline constexpr int kValueEditTextLimit = 20;
