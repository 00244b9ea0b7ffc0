#pragma once

#include <QComboBox>

// A drive list: the mounted volumes whose root can be read, the file-system root always among
// them, each shown by its root folder and its label. Nothing is selected until a drive is set.
class SürücüListeKutusu : public QComboBox {
public:
    explicit SürücüListeKutusu(QWidget *üst = nullptr);

    // The root folder of the selected volume; empty when none is selected.
    QString Sürücü() const;

    // Selects the volume that holds `yol` (listing it if it was not listed).
    void SürücüAta(const QString &yol);
};
