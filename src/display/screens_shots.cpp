// The shots of the fight scene: drawn between the robots and the gauges.
#include "shell/form.h"

namespace zk {

// The shots' drawing from the "WEAPON" sheet (SheetSurfaceA) belongs here: each live shot's
// cell and size, its smoke trail, and the beams. Until it lands, the fight scene shows no
// shots.
void TForm1::DrawShots() {}

}  // namespace zk
