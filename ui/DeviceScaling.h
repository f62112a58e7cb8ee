#pragma once

// Leaves screens of moderately raised resolution (up to 1.5 times the usual
// 96 pixels per inch) to text-height scaling: the toolkit then keeps one
// device pixel per pixel there and reports the screen's true logical
// resolution, so the window font grows and the layout follows it while the
// backdrop pictures stay at their natural size. Denser screens are still
// scaled by whole factors. Must be called before the application is created.
void PreferTextHeightScaling();
