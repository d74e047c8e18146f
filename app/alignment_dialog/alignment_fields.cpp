// Trace Alignment's fields.
#include "alignment_dialog/alignment_fields.h"

#include "common/app_state.h"
#include "common/editor_text.h"
#include "resource.h"

AlignmentTexts ReadAlignmentFields(HWND dialog) {
  AlignmentTexts texts;
  texts.PKstart = GetText(GetDlgItem(dialog, IDC_PK_START));
  texts.vertices = GetText(GetDlgItem(dialog, IDC_VERTICES));
  texts.xBeforeY = IsDlgButtonChecked(dialog, IDC_X_BEFORE_Y) == BST_CHECKED;
  texts.profile = GetText(GetDlgItem(dialog, IDC_PROFILE));
  texts.cant = GetText(GetDlgItem(dialog, IDC_CANT));
  RememberAlignmentTexts(texts, Remembered());
  return texts;
}
