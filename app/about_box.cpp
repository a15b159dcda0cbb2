// SPDX-License-Identifier: GPL-3.0-or-later
#include "about_box.h"

#include "text_table.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace ql310 {

namespace {

constexpr int kIconSize = 48;

QLabel* namedLabel(QWidget* parent, const char* name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QFrame* line(QWidget* parent, const char* name)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setFrameShape(QFrame::HLine);
    frame->setFrameShadow(QFrame::Sunken);
    return frame;
}

} // namespace

QString programVersion()
{
    return QStringLiteral("%1.%2.%3")
        .arg(QL310_VERSION_MAJOR)
        .arg(QL310_VERSION_MINOR)
        .arg(QL310_VERSION_PATCH);
}

AboutBox::AboutBox(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("About"));
    setModal(false);

    auto* layout = new QGridLayout(this);
    auto* picture = namedLabel(this, "picIcon");
    QIcon icon = QApplication::windowIcon();
    if (icon.isNull())
        icon = style()->standardIcon(QStyle::SP_ComputerIcon);
    picture->setPixmap(icon.pixmap(kIconSize, kIconSize));
    layout->addWidget(picture, 0, 0, 3, 1, Qt::AlignTop);
    layout->addWidget(namedLabel(this, "ProductName"), 0, 1);
    layout->addWidget(namedLabel(this, "lblVersion"), 1, 1);
    layout->addWidget(namedLabel(this, "lblDescription"), 2, 1);
    layout->addWidget(line(this, "Line1"), 3, 0, 1, 2);
    layout->addWidget(namedLabel(this, "CompanyName"), 4, 0, 1, 2);
    layout->addWidget(line(this, "Line2"), 5, 0, 1, 2);
    auto* ok = new QPushButton(this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    layout->addWidget(ok, 6, 1, Qt::AlignRight);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    showTexts();
}

void AboutBox::showTexts()
{
    setWindowTitle(text(TextId::AboutIsdnTaConfiguration));
    findChild<QLabel*>(QStringLiteral("ProductName"))->setText(text(TextId::IsdnTaConfigurationProgram));
    findChild<QLabel*>(QStringLiteral("CompanyName"))->setText(text(TextId::CopyrightCTheQl310setAuthors));
    findChild<QLabel*>(QStringLiteral("lblDescription"))->setText(text(TextId::Blank));
    findChild<QLabel*>(QStringLiteral("lblVersion"))->setText(text(TextId::Version) + u' ' + programVersion());
    findChild<QPushButton*>(QStringLiteral("cmdOK"))->setText(text(TextId::Ok));
}

} // namespace ql310
