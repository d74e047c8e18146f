// The program's own texts shown to the user, in one place.
#pragma once

namespace Messages {
constexpr const char* kNothingToUndo = "Nothing to undo!";
constexpr const char* kUndoCaption = "Undo Notification";
constexpr const char* kMadeIt = "Made it!";
constexpr const char* kEditorFull = "Edit control out of space.";
constexpr const char* kErrorCaption = "Error!";
constexpr const char* kFileChanged = "File has changed. Save?";
constexpr const char* kConfirmCaption = "Confirm";
constexpr const char* kOpenFailed = "File open failed.";
constexpr const char* kSaveFailed = "File Save failed.";
constexpr const char* kCantOpenFile = "Can't open file ";  // followed by the path
constexpr const char* kOpenFileCaption = "Open File";
constexpr const char* kSaveFileCaption = "Save File";
constexpr const char* kOpenCaption = "Open";
constexpr const char* kBytesLeftOut =
    "This file holds bytes that a text document cannot keep (a zero byte or Ctrl+Z). "
    "Saving it will leave them out.";
// "<count>" + kSeveralDropped + the first file's path
constexpr const char* kSeveralDropped =
    " files were dropped. Polver holds one document at a time and opens the first of them:\n";
constexpr const char* kFindCaption = "Polver";
constexpr const char* kCannotFind = "Cannot find ";  // followed by the text in double quotes
constexpr const char* kPointListCaption = "Point list";
constexpr const char* kSelectPointLines = "Select the point lines in the editor first.";
constexpr const char* kImportLandXmlCaption = "Import LandXML";
constexpr const char* kExportLandXmlCaption = "Export LandXML";
constexpr const char* kExportFailed = "Export failed: ";  // followed by the system's reason
constexpr const char* kNoXmlReader =
    "The XML reader of Windows (xmllite.dll) is not available on this system.";
constexpr const char* kPrintCaption = "Print";
constexpr const char* kNoPrinter = "No printer is installed.";
constexpr const char* kPrintFailed = "Printing failed: ";  // followed by the system's reason
constexpr const char* kPrintNoReason = "the system gave no reason.";
constexpr const char* kNoSuchPages = "The document has no pages in the range asked for.";
constexpr const char* kPrintDialogFailed =
    "The Print dialog failed: error ";  // followed by its code
constexpr const char* kDrawingNotCopied = "The drawing could not be put on the clipboard.";
}  // namespace Messages
