#pragma once
#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace quelva {

class StretchedImage;

// The About window: the product, the platform, who developed it (Text1) and a picture (Image1). Everything
// is in place once it is built; the caller builds one at each opening and calls exec().
class FrmSobre : public QDialog {
    Q_OBJECT
public:
    explicit FrmSobre(QWidget* parent = nullptr);

    // The developer's identification as Text1 receives it: name, street address, district and city, postal
    // code, an empty line, the user-service department and its telephone, joined by CR LF.
    static QString developerIdentification();

private:
    StretchedImage* Image1 = nullptr;
    QLabel* productLabel_ = nullptr;
    QLabel* platformLabel_ = nullptr;
    QLabel* developedByLabel_ = nullptr;
    QPlainTextEdit* Text1 = nullptr;
    QPushButton* CmdFechar = nullptr;
};

}  // namespace quelva
