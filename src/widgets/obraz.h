// An image with a drawable bitmap that persists between events.
#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

class Obraz : public QWidget
{
    Q_OBJECT

public:
    explicit Obraz(QWidget *parent = nullptr);

    // The bitmap in logical pixels, made at the screen's pixel ratio on first use so that
    // what is drawn stays sharp at any scale.
    QImage &bitmapa();
    // Shows what was drawn into the bitmap, without a full redraw: the part that changed
    // (in logical pixels), or all of it.
    void ukaz(const QRect &zmena = {});

    // Runs before a repaint that the window system asked for (first display, uncovering,
    // restoring), so that the owner can draw the whole picture anew.
    void setPrekresleni(std::function<void()> prekresleni)
    {
        prekresleni_ = std::move(prekresleni);
    }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage bitmapa_;
    std::function<void()> prekresleni_;
    bool jenUkazat_ = false;
};
