#pragma once

#include <QLabel>

// A caption whose '&' key takes the keyboard to the control it names.
inline QLabel* rotulo(const QString& texto, QWidget* controle)
{
    auto* label = new QLabel(texto, controle->parentWidget());
    label->setBuddy(controle);
    return label;
}
