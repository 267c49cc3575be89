#pragma once

#include <QFont>

/**
 * The font of a text label: Tahoma at the point size of its size index
 * (fIntToDimensione). The canvas draws labels in it and the project check
 * measures them with it, so both agree on where a label ends. The family
 * resolves to the loaded Tahoma face once pLoadTahoma has run.
 */
QFont fLabelFont(int iFontIndex);
