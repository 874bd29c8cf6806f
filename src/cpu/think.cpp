// The computer opponent's decision routines. Until each kind has its own plans, a decision
// routine leaves player 2's control fields as they are, so the opponent holds still.
#include "shell/form.h"

namespace zk {

void TForm1::LizardT_Think() {}
void TForm1::LizardV_Think() {}
void TForm1::Pyro_Think() {}
void TForm1::FMH_Think() {}
void TForm1::BuzzB_Think() {}
void TForm1::FDog_Think() {}
void TForm1::DF_Think() {}
void TForm1::HBack_Think() {}
void TForm1::Ageha_Think() {}
void TForm1::Bahao_Think() {}
void TForm1::Scav_Think() {}

}  // namespace zk
