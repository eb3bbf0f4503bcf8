#pragma once
// What a result window shows, as one value: the copy, save and print
// commands render it as text, HTML, a picture or a page.
#include <QCoreApplication>
#include <QDateTime>
#include <QImage>
#include <QList>
#include <QString>

struct ReadingField {
    QString label;
    QString value;
};

// One drawn piece: a tree, a domino, a tile, a symbol or a colour.
struct ReadingPiece {
    QString heading;            // what the piece stands for: "The Past", "Indian Good Luck Symbols"; may be empty
    QString name;               // "Oak", "6-4"
    QList<QImage> pictures;     // side by side, at twice their size on screen; may be none
    QString pictureName;        // the pictures as a screen reader names them
    QList<ReadingField> fields; // the piece's attributes, in the window's order
    QString text;               // its reading
};

struct ReadingDescription {
    QString oracle; // "Domino"
    QDateTime when;
    QList<ReadingField> asked; // the question, or the names read; may be none
    QList<ReadingPiece> pieces;

    //: A reading's title, such as "Domino reading".
    QString title() const { return QCoreApplication::translate("ReadingDescription", "%1 reading").arg(oracle); }
};
