#include "platform/user/message_box_labels.h"

#include <cstdlib>
#include <cstring>

#include "platform/display/message_box_model.h"

namespace platform::user {
namespace {

struct Texts {
  int id;
  const char16_t* english;
  const char16_t* spanish;
};

// Windows' labels. OK and Cancel have no mnemonic: Enter and Escape are theirs.
constexpr Texts kTexts[] = {
    {IDOK, u"OK", u"Aceptar"},
    {IDCANCEL, u"Cancel", u"Cancelar"},
    {IDABORT, u"&Abort", u"&Anular"},
    {IDRETRY, u"&Retry", u"&Reintentar"},
    {IDIGNORE, u"&Ignore", u"&Omitir"},
    {IDYES, u"&Yes", u"&S\u00ED"},
    {IDNO, u"&No", u"&No"},
    {IDTRYAGAIN, u"&Try Again", u"&Volver a intentar"},
    {IDCONTINUE, u"&Continue", u"&Continuar"},
};

}  // namespace

std::vector<MessageBoxLabel> MessageBoxLabels(UINT style, bool spanish) {
  std::vector<MessageBoxLabel> labels;
  // The button sets and their order are the box model's, shared with every display.
  for (const MessageBoxButton& button : MessageBoxButtons(style)) {
    for (const Texts& t : kTexts) {
      if (t.id == button.id) labels.push_back({t.id, spanish ? t.spanish : t.english});
    }
  }
  return labels;
}

}  // namespace platform::user
