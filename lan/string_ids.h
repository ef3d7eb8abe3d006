// Numbers of the texts in the language library lan.dll, used by both
// programs. Every number a window, menu, notice or warning shows is here.
// Some numbers serve two places (a menu text and a caption elsewhere); each
// has one constant, named by its main use.
#pragma once

namespace str {

// Monitor: tray menu and tip, notices the mouse asks for.
inline constexpr int kTrayOpenOption = 1000;
inline constexpr int kTrayExit = 1001;
inline constexpr int kTrayTip = 1111;
inline constexpr int kNoticeText1 = 156;  // also the second-bank button caption
inline constexpr int kNoticeText2 = 157;

// Profile defaults
inline constexpr int kPresetGunName = 362;

// Main window
inline constexpr int kBasicPage = 100;
inline constexpr int kAdvancedPage = 101;
inline constexpr int kProfile1 = 102;
inline constexpr int kProfile2 = 103;
inline constexpr int kProfile3 = 104;
inline constexpr int kProfile4 = 105;
inline constexpr int kProfile5 = 106;
inline constexpr int kOk = 107;
inline constexpr int kCancel = 108;
inline constexpr int kApply = 109;

// Button page: headings, bank buttons, restore button, DPI level titles.
inline constexpr int kHeadingButtons = 150;
inline constexpr int kHeadingReportRate = 151;
inline constexpr int kHeadingDpi = 152;
inline constexpr int kHeadingLighting = 153;
inline constexpr int kHeadingLightMode = 154;
inline constexpr int kFirstBank = 155;  // also a small heading of the page
inline constexpr int kSecondBank = kNoticeText1;
inline constexpr int kRestoreButtons = 158;
inline constexpr int kDpiLevel1 = 159;
inline constexpr int kDpiLevel2 = 160;
inline constexpr int kDpiLevel3 = 161;
inline constexpr int kDpiLevel4 = 162;
inline constexpr int kDpiLevel5 = 163;
inline constexpr int kDpiLevel6 = 164;

// Lighting and breathing menus.
inline constexpr int kLightOff = 1144;
inline constexpr int kLightSteady = 1146;
inline constexpr int kLightBreathing = 1145;
inline constexpr int kLightDpiColour = 1126;
inline constexpr int kLightCycle = 1124;
inline constexpr int kLightWave = 1125;
inline constexpr int kBreathSlow = 1090;
inline constexpr int kBreathMedium = 1091;
inline constexpr int kBreathFast = 1092;

// Function menu of a button and the captions of the assigned functions.
// A function's text has the number of its menu command.
inline constexpr int kFnLeftClick = 1003;
inline constexpr int kFnMiddleClick = 1004;
inline constexpr int kFnRightClick = 1005;
inline constexpr int kFnForward = 1008;
inline constexpr int kFnBack = 1009;
inline constexpr int kFnSniper = 1050;
inline constexpr int kFnRapidFire = 1051;
inline constexpr int kFnDoubleClick = 1052;
inline constexpr int kFnTripleClick = 1053;
inline constexpr int kFnRepeatedClick = 1054;
inline constexpr int kFnDisable = 1058;
inline constexpr int kFnKeyCombination = 1060;
inline constexpr int kFnMacro = 1143;
inline constexpr int kFnGunLibrary = 1152;
inline constexpr int kFnPatternSwitch = 1153;     // also the first step pair of the macro editor
inline constexpr int kFnGunModeKey = 360;
inline constexpr int kFnAdvancedPattern = 361;
inline constexpr int kFnWheelUp = 1016;
inline constexpr int kFnWheelDown = 1017;
inline constexpr int kFnTiltLeft = 1018;
inline constexpr int kFnTiltRight = 1019;
inline constexpr int kFnReportRateCycle = 1148;
inline constexpr int kFnReportRateUp = 1149;
inline constexpr int kFnReportRateDown = 1150;
inline constexpr int kMenuDpi = 1055;
inline constexpr int kFnDpiCycle = 1104;
inline constexpr int kFnDpiUp = 1105;
inline constexpr int kFnDpiDown = 1106;
inline constexpr int kMenuProfile = 1107;
inline constexpr int kFnProfileCycle = 1108;
inline constexpr int kFnProfileUp = 1109;
inline constexpr int kFnProfileDown = 1110;
inline constexpr int kMenuInternet = 1006;
inline constexpr int kFnBrowserHome = 1007;
inline constexpr int kFnBrowserStop = 1010;
inline constexpr int kFnBrowserRefresh = 1011;
inline constexpr int kFnBrowserSearch = 1012;
inline constexpr int kFnBrowserFavourites = 1013;
inline constexpr int kFnEmail = 1014;
inline constexpr int kFnMyComputer = 1021;
inline constexpr int kFnCalculator = 1078;
inline constexpr int kMenuWindows = 1015;
inline constexpr int kFnSwitchWindow = 1020;
inline constexpr int kFnCloseWindow = 1022;
inline constexpr int kFnTaskView = 1023;
inline constexpr int kFnTaskManager = 1024;
inline constexpr int kFnShowDesktop = 1025;
inline constexpr int kFnLockComputer = 1056;
inline constexpr int kFnRunDialog = 1057;
inline constexpr int kMenuEditing = 1026;
inline constexpr int kFnOpen = 1027;
inline constexpr int kFnNew = 1028;
inline constexpr int kFnCut = 1029;
inline constexpr int kFnCopy = 1030;
inline constexpr int kFnPaste = 1031;
inline constexpr int kFnSave = 1032;
inline constexpr int kFnPrint = 1033;
inline constexpr int kFnFind = 1034;
inline constexpr int kFnRedo = 1035;
inline constexpr int kFnUndo = 1036;
inline constexpr int kFnReplace = 1037;
inline constexpr int kFnClose = 1038;
inline constexpr int kFnSelectAll = 1039;
inline constexpr int kMenuMultimedia = 1040;
inline constexpr int kFnMediaPlayer = 1041;
inline constexpr int kFnPreviousTrack = 1042;
inline constexpr int kFnNextTrack = 1043;
inline constexpr int kFnStop = 1044;
inline constexpr int kFnPlayPause = 1045;
inline constexpr int kFnMute = 1046;
inline constexpr int kFnVolumeUp = 1047;
inline constexpr int kFnVolumeDown = 1048;
// Suffixes of a fire pattern's name on its button, by its mode.
inline constexpr int kGunModeSuffix0 = 1154;  // also step pairs 2..4 of the macro editor
inline constexpr int kGunModeSuffix1 = 1155;
inline constexpr int kGunModeSuffix2 = 1156;
inline constexpr int kAdvancedPatternSuffix = 1157;  // also the macro editor's step submenu

// Warning and confirmation dialogs.
inline constexpr int kWarningTitle = 251;
inline constexpr int kNeedPrimaryClick = 252;
inline constexpr int kNameEmpty = 224;  // also a macro group name already in use
inline constexpr int kMacroNameExists = 225;
inline constexpr int kGunFolderNameExists = 333;  // also the caption of function code 104
inline constexpr int kGunNameExists = 334;
inline constexpr int kConfirmRestoreDefaults = 254;
inline constexpr int kConfirmDeleteMacro = 256;
inline constexpr int kConfirmDeleteGroup = 257;
inline constexpr int kConfirmDeletePattern = 335;
inline constexpr int kConfirmDeleteFolder = 336;
inline constexpr int kSelectMacroFirst = 258;
inline constexpr int kNotConnected = 260;

// Name input dialog: title, headings and prompts by mode.
inline constexpr int kNameDialogTitle = 226;  // also the rename menu item
inline constexpr int kPromptGroupName = 222;
inline constexpr int kPromptMacroName = 223;
inline constexpr int kPromptFolderName = 331;
inline constexpr int kPromptGunName = 332;

// Macro editor: buttons, tree-list menu, event-list menu.
inline constexpr int kRecord = 211;
inline constexpr int kStop = 212;
inline constexpr int kRecordDelays = 213;
// Picker dialog: the three run modes.
inline constexpr int kRunMode[3] = {228, 229, 230};
inline constexpr int kNewGroup = 214;
inline constexpr int kDeleteGroup = 215;
inline constexpr int kNewMacro = 216;
inline constexpr int kDeleteMacro = 217;
inline constexpr int kImportMacro = 218;
inline constexpr int kExportMacro = 219;
inline constexpr int kImportAllMacros = 220;
inline constexpr int kExportAllMacros = 221;
inline constexpr int kRecordBefore = 1063;
inline constexpr int kRecordAfter = 1064;
inline constexpr int kInsertDelay = 1065;
inline constexpr int kEditEvent = 1066;
inline constexpr int kDeleteEvent = 1067;
inline constexpr int kInsertMouseButton = 1068;
inline constexpr int kMouseLeft = 1069;
inline constexpr int kMouseRight = 1070;
inline constexpr int kMouseWheel = 1071;
inline constexpr int kMouseForward = 1072;
inline constexpr int kMouseBack = 1073;
inline constexpr int kMousePress = 1074;
inline constexpr int kMouseRelease = 1075;
inline constexpr int kMouseClick = 1076;
inline constexpr int kStepUnit = 1158;

// Advanced settings page.
inline constexpr int kAcceleration = 208;
inline constexpr int kOnePagePerNotch = 209;
inline constexpr int kRestoreAllDefaults = 210;
inline constexpr int kSynchroniseXy = 227;
inline constexpr int kPointerSpeedLabel = 231;
inline constexpr int kSensitivityLabel = 232;
inline constexpr int kXLabel = 233;
inline constexpr int kYLabel = 234;
inline constexpr int kWheelLinesLabel = 235;
inline constexpr int kDoubleClickLabel = 236;
inline constexpr int kAdvancedPatterns = 310;

// Gun library and advanced pattern dialogs: list menu and labels.
inline constexpr int kNewGun = 311;
inline constexpr int kNewFolder = 312;
inline constexpr int kDeleteGun = 313;
inline constexpr int kDeleteFolder = 314;
inline constexpr int kImportGun = 315;
inline constexpr int kImportFolder = 316;
inline constexpr int kExportGun = 322;
inline constexpr int kExportFolder = 323;
inline constexpr int kPatternLibrary = 321;
inline constexpr int kPatternSteps = 324;
inline constexpr int kPatternStepCount = 325;
inline constexpr int kPatternRepeat = 326;
inline constexpr int kPatternColour = 327;
inline constexpr int kPatternStepColumns = 328;
inline constexpr int kPatternLockedExport = 329;
inline constexpr int kGunLibraryTitle = 340;
inline constexpr int kGunList = 345;
inline constexpr int kGunMode = 346;
inline constexpr int kGunModeNormal = 347;
inline constexpr int kGunModeHold = 348;
inline constexpr int kGunModeSelect = 349;
inline constexpr int kGunModeValue1 = 350;
inline constexpr int kGunModeValue2 = 351;
inline constexpr int kGunModeValue3 = 352;
inline constexpr int kGunValue = 353;
inline constexpr int kGunSteps = 354;
inline constexpr int kGunLockedExport = 357;

// Repeated-click dialog.
inline constexpr int kFireClickTitle = 265;
inline constexpr int kFireClickKey = 266;
inline constexpr int kFireClickCount = 267;
inline constexpr int kFireClickInterval = 268;
inline constexpr int kFireClickNote1 = 269;
inline constexpr int kFireClickNote2 = 270;
inline constexpr int kFireClickNote3 = 271;

// Every number above once, for checks that the library holds them all.
inline constexpr int kAll[] = {
    kTrayOpenOption, kTrayExit, kTrayTip, kNoticeText1, kNoticeText2,
    kPresetGunName, kBasicPage, kAdvancedPage, kProfile1, kProfile2,
    kProfile3, kProfile4, kProfile5, kOk, kCancel,
    kApply, kHeadingButtons, kHeadingDpi, kHeadingLighting, kHeadingReportRate,
    kHeadingLightMode, kFirstBank, kRestoreButtons, kDpiLevel1, kDpiLevel2,
    kDpiLevel3, kDpiLevel4, kDpiLevel5, kDpiLevel6, kLightOff,
    kLightSteady, kLightBreathing, kLightDpiColour, kLightCycle, kLightWave,
    kBreathSlow, kBreathMedium, kBreathFast, kFnLeftClick, kFnMiddleClick,
    kFnRightClick, kFnForward, kFnBack, kFnSniper, kFnRapidFire,
    kFnDoubleClick, kFnTripleClick, kFnRepeatedClick, kFnDisable, kFnKeyCombination,
    kFnMacro, kFnGunLibrary, kFnPatternSwitch, kFnGunModeKey, kFnAdvancedPattern,
    kFnWheelUp, kFnWheelDown, kFnTiltLeft, kFnTiltRight, kFnReportRateCycle,
    kFnReportRateUp, kFnReportRateDown, kMenuDpi, kFnDpiCycle, kFnDpiUp,
    kFnDpiDown, kMenuProfile, kFnProfileCycle, kFnProfileUp, kFnProfileDown,
    kMenuInternet, kFnBrowserHome, kFnBrowserStop, kFnBrowserRefresh, kFnBrowserSearch,
    kFnBrowserFavourites, kFnEmail, kFnMyComputer, kFnCalculator, kMenuWindows,
    kFnSwitchWindow, kFnCloseWindow, kFnTaskView, kFnTaskManager, kFnShowDesktop,
    kFnLockComputer, kFnRunDialog, kMenuEditing, kFnOpen, kFnNew,
    kFnCut, kFnCopy, kFnPaste, kFnSave, kFnPrint,
    kFnFind, kFnRedo, kFnUndo, kFnReplace, kFnClose,
    kFnSelectAll, kMenuMultimedia, kFnMediaPlayer, kFnPreviousTrack, kFnNextTrack,
    kFnStop, kFnPlayPause, kFnMute, kFnVolumeUp, kFnVolumeDown,
    kGunModeSuffix0, kGunModeSuffix1, kGunModeSuffix2, kAdvancedPatternSuffix, kWarningTitle,
    kNeedPrimaryClick, kNameEmpty, kMacroNameExists, kGunFolderNameExists, kGunNameExists,
    kConfirmRestoreDefaults, kConfirmDeleteMacro, kConfirmDeleteGroup, kConfirmDeletePattern, kConfirmDeleteFolder,
    kSelectMacroFirst, kNotConnected, kNameDialogTitle, kPromptGroupName, kPromptMacroName,
    kPromptFolderName, kPromptGunName, kRecord, kStop, kRecordDelays,
    kNewGroup, kDeleteGroup, kNewMacro, kDeleteMacro, kImportMacro,
    kExportMacro, kImportAllMacros, kExportAllMacros, kRecordBefore, kRecordAfter,
    kInsertDelay, kEditEvent, kDeleteEvent, kInsertMouseButton, kMouseLeft,
    kMouseRight, kMouseWheel, kMouseForward, kMouseBack, kMousePress,
    kMouseRelease, kMouseClick, kStepUnit, kAcceleration, kOnePagePerNotch,
    kRestoreAllDefaults, kAdvancedPatterns, kNewGun, kNewFolder, kDeleteGun,
    kDeleteFolder, kImportGun, kImportFolder, kExportGun, kExportFolder,
    kPatternLibrary, kPatternSteps, kPatternStepCount, kPatternRepeat, kPatternColour,
    kPatternStepColumns, kPatternLockedExport, kGunLibraryTitle, kGunList, kGunMode,
    kGunModeNormal, kGunModeHold, kGunModeSelect, kGunModeValue1, kGunModeValue2,
    kGunModeValue3, kGunValue, kGunSteps, kGunLockedExport, kFireClickTitle,
    kFireClickKey, kFireClickCount, kFireClickInterval, kFireClickNote1, kFireClickNote2,
    kFireClickNote3, kSynchroniseXy, kPointerSpeedLabel, kSensitivityLabel, kXLabel,
    kYLabel, kWheelLinesLabel, kDoubleClickLabel, kRunMode[0], kRunMode[1],
    kRunMode[2],
};

}  // namespace str
