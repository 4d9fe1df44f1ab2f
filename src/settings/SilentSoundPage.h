#pragma once

#include <QWidget>

class QImage;

// The sub-page "kein Klang": the silent picture four times and "Ton abschalten".
class SilentSoundPage : public QWidget
{
    Q_OBJECT

public:
    SilentSoundPage(const QImage& silent, QWidget* parent = nullptr);
};
