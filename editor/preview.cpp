// The editor's preview strip below the panel: the hole being edited drawn
// on the same scale as the hole map, green on the tee side of the cup only.
#include "app/TForm1.h"
#include "editor/validation.h"
#include "map/mapping.h"

void TForm1::Map2() {
  const uint8_t h = editHole >= 1 && editHole <= 6 ? editHole : 1;
  const long double s = mapScale(editLength[h]);
  const Arr<int16_t, 1, 6>* from[3][3] = {{&editRough1From, &editRough2From, &editRough3From},
                                          {&editWater1From, &editWater2From, &editWater3From},
                                          {&editBunker1From, &editBunker2From, &editBunker3From}};
  const Arr<int16_t, 1, 6>* to[3][3] = {{&editRough1To, &editRough2To, &editRough3To},
                                        {&editWater1To, &editWater2To, &editWater3To},
                                        {&editBunker1To, &editBunker2To, &editBunker3To}};
  const MapBar green = validation::previewGreen(s, editLength[h], editGreen[h]);
  for (int i = 1; i <= 3; ++i) {
    MapBar bars[3];
    for (int k = 0; k < 3; ++k) bars[k] = mapBar(s, (*from[k][i - 1])[h], (*to[k][i - 1])[h]);
    // Editor bars follow the panel's nine in the table: rough i at 9 + i.
    for (int k = 0; k < 3; ++k) mapBars[9 + 3 * k + i]->SetWidth(bars[k].width());
    for (int k = 0; k < 3; ++k) mapBars[9 + 3 * k + i]->SetLeft(bars[k].left(100));
    argreenn->SetWidth(green.width());
    argreenn->SetLeft(green.left(100));
    arfairr1->Show();
    argreenn->Show();
    for (int k = 0; k < 3; ++k) mapBars[9 + 3 * k + i]->SetVisible(bars[k].visible());
  }
  Application::instance().ProcessMessages();
}
