#pragma once

#include <QDialog>

class EnİyiSonuçlar;
class QPushButton;
class QTreeWidget;

// The records window: every photo and division with its best time, fewest clicks and the day
// they were set, a small picture of the photo while its file is there, and a way to clear them
// all after a question. Modal, centred on its owner; Esc closes it.
class EnİyiSonuçlarFormu : public QDialog {
public:
    EnİyiSonuçlarFormu(QWidget *sahip, EnİyiSonuçlar &sonuçlar);

    void TemizleDüğmesi_Click();

protected:
    void showEvent(QShowEvent *olay) override;

private:
    void ListeyiDoldur();

    EnİyiSonuçlar &sonuçlar;
    QTreeWidget *Liste;
    QPushButton *TemizleDüğmesi;
    QPushButton *KapatDüğmesi;
};
