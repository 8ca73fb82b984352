#pragma once
#include <QImage>

#include <array>
#include <memory>

#include "base/forms/Seitenform.h"

class QLabel;
class Projektdatenbankprüfung;

// The start page (status 1): a cover page that checks the project database at each activation
// and offers Weiter only once the database can be used.
class KelvorForm1 : public Seitenform {
    Q_OBJECT
public:
    explicit KelvorForm1(QWidget* parent = nullptr);
    ~KelvorForm1() override;

    // True while the database is built, converted or read: the page refuses to close.
    bool beschäftigt() const;

    QLabel* Image1 = nullptr;  // element 0 of the original control array
    QLabel* Image5 = nullptr;
    std::array<QLabel*, 3> DeckblattLabel{};

protected:
    void FormLoad() override;
    // The check; afterwards the menus and Weiter, or the end of the program.
    void FormActivate() override;
    void FormUnload() override;
    void closeEvent(QCloseEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    QImage m_bild;
    // Shared with a running check, so that it outlives the page should the page go first.
    std::shared_ptr<Projektdatenbankprüfung> m_prüfung;
};
