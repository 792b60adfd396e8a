#pragma once

#include <QTextStream>

// A small payroll summary built, calculated and printed by the engine: the
// main job until the generation run takes its place.
int runEngineDemo(QTextStream& out);
