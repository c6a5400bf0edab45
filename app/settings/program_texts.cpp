#include "settings/program_texts.h"

#include "vrok_user/vrok_messagebox.h"

namespace programtexts {

void InstallBoxCaptions()
{
    vrok::user::messagebox::SetCaptions(ErrorCaption, InfoCaption);
}

}
