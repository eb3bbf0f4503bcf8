#pragma once
#include <QCheckBox>

// A culture's check box: the whole white box it is drawn as takes the click,
// not only its tick and its text.
class CultureCheckBox : public QCheckBox {
    Q_OBJECT
public:
    using QCheckBox::QCheckBox;

protected:
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }
};
