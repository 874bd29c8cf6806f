// Binding the computer opponent's decision routines to the robot kinds.
#include "shell/form.h"

namespace zk {

void TForm1::FillThinkTable() {
  // Entry 0 holds Ridezazo's routine as well; kinds 1 to 11 in select order.
  static constexpr ThinkRoutine kByKind[12] = {
      &TForm1::LizardT_Think, &TForm1::LizardT_Think, &TForm1::LizardV_Think, &TForm1::Pyro_Think,
      &TForm1::FMH_Think,     &TForm1::BuzzB_Think,   &TForm1::FDog_Think,    &TForm1::DF_Think,
      &TForm1::HBack_Think,   &TForm1::Ageha_Think,   &TForm1::Bahao_Think,   &TForm1::Scav_Think,
  };
  for (int kind = 0; kind < 12; ++kind) ThinkTable[kind] = kByKind[kind];
}

}  // namespace zk
