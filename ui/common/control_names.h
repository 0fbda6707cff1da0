#pragma once

// The object names of the windows and their controls. The windows are built to
// a fixed layout whose controls are known by these names; tests and tools find
// controls by them, so each name is written here once. One name may serve two
// windows ("Label2" is the first header line of the main window and the chunk's
// name in the chunk window).
namespace tarnwick::names {

// The main window.
inline constexpr char kMainWindow[] = "Form1";
inline constexpr char kFileSelectFrame[] = "Frame1";
inline constexpr char kFileList[] = "File1";
inline constexpr char kIffOption[] = "Option1";
inline constexpr char kWallsOption[] = "Option2";
inline constexpr char kFloorsOption[] = "Option3";
inline constexpr char kFolderList[] = "Dir1";
inline constexpr char kDriveList[] = "Drive1";
inline constexpr char kDetailsFrame[] = "Frame2";
inline constexpr char kHeaderCaption[] = "Label1";
inline constexpr char kHeaderLine1[] = "Label2";
inline constexpr char kHeaderLine2[] = "Label3";
inline constexpr char kRsmpLocationCaption[] = "Label4";
inline constexpr char kRsmpLocation[] = "Label5";
inline constexpr char kChunkList[] = "List1";
inline constexpr char kExitCommand[] = "menu_exit";
inline constexpr char kAboutCommand[] = "Menu_About";

// The chunk window.
inline constexpr char kChunkWindow[] = "Form2";
inline constexpr char kChunkFrame[] = "Frame1";
inline constexpr char kChunkTypeCaption[] = "Label7";
inline constexpr char kChunkType[] = "Label8";
inline constexpr char kChunkNameCaption[] = "Label1";
inline constexpr char kChunkName[] = "Label2";
inline constexpr char kChunkSizeCaption[] = "Label3";
inline constexpr char kChunkSize[] = "Label4";
inline constexpr char kChunkIdCaption[] = "Label5";
inline constexpr char kChunkId[] = "Label6";
inline constexpr char kChunkAddressCaption[] = "Label9";
inline constexpr char kChunkAddress[] = "Label10";
inline constexpr char kChunkPicture[] = "Picture1";
inline constexpr char kChunkLines[] = "List1";
inline constexpr char kChunkClose[] = "Command1";

// The sections dialog.
inline constexpr char kSectionsDialog[] = "Form3";
inline constexpr char kSectionsFrame[] = "Frame1";
inline constexpr char kSectionTypeCaption[] = "Label1";
inline constexpr char kSectionTypes[] = "Combo1";
inline constexpr char kSectionIdCaption[] = "Label2";
inline constexpr char kSectionIds[] = "Combo2";
inline constexpr char kDescriptionCaption[] = "Label3";
inline constexpr char kSectionDescription[] = "Label4";
inline constexpr char kFilePositionCaption[] = "Label5";
inline constexpr char kSectionPosition[] = "Label6";
inline constexpr char kSectionsClose[] = "Command1";
inline constexpr char kSectionsEdit[] = "Command2";

// The offset hex dialog.
inline constexpr char kOffsetHexDialog[] = "Form4";
inline constexpr char kHexLines[] = "RichBox1";
inline constexpr char kValueRun[] = "Text1";
inline constexpr char kCharacterLines[] = "Text2";

}  // namespace tarnwick::names
