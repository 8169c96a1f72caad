#include "shell/InfoWindows.h"

#include "db/Connection.h"
#include "platform/Rtf.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSaveFile>
#include <QSplitter>
#include <QTextEdit>
#include <QVBoxLayout>

namespace zentar::shell {

QByteArray licenceRtf()
{
    return platform::rtf::fromParagraphs(
        QStringLiteral("Licensz szerződés"),
        {QStringLiteral("Zentar Integrált Könyvtári Rendszer"),
         QStringLiteral("MIT licenc"),
         QStringLiteral("Copyright (c) 2024 Zentar fejlesztői"),
         QStringLiteral("Ezennel díjmentesen engedélyt kap bárki, aki a jelen szoftver és a hozzá tartozó "
                        "dokumentációs fájlok (a „Szoftver”) egy példányához hozzájut, hogy a Szoftverrel "
                        "korlátozás nélkül rendelkezzen, ideértve korlátozás nélkül a Szoftver használatának, "
                        "másolásának, módosításának, egyesítésének, közzétételének, terjesztésének, "
                        "allicencbe adásának és/vagy példányai értékesítésének jogát, valamint hogy ugyanezt "
                        "megengedje azoknak, akiknek a Szoftvert átadja, a következő feltételekkel:"),
         QStringLiteral("A fenti szerzői jogi megjegyzést és ezt az engedélyt a Szoftver minden példányában "
                        "vagy jelentős részében fel kell tüntetni."),
         QStringLiteral("A SZOFTVERT „ADOTT ÁLLAPOTÁBAN” BOCSÁTJUK RENDELKEZÉSRE, BÁRMIFÉLE KIFEJEZETT VAGY "
                        "HALLGATÓLAGOS SZAVATOSSÁG NÉLKÜL, IDEÉRTVE TÖBBEK KÖZÖTT AZ ÉRTÉKESÍTHETŐSÉGRE, EGY "
                        "ADOTT CÉLRA VALÓ ALKALMASSÁGRA ÉS A JOGSÉRTÉS HIÁNYÁRA VONATKOZÓ SZAVATOSSÁGOT. A "
                        "SZERZŐK VAGY A SZERZŐI JOG TULAJDONOSAI SEMMILYEN ESETBEN SEM FELELNEK SEMMILYEN "
                        "KÖVETELÉSÉRT, KÁRÉRT VAGY EGYÉB FELELŐSSÉGÉRT, AKÁR SZERZŐDÉS, AKÁR SZERZŐDÉSEN "
                        "KÍVÜLI KÁROKOZÁS VAGY MÁS ALAPON, AMELY A SZOFTVERBŐL, ANNAK HASZNÁLATÁBÓL VAGY A "
                        "SZOFTVERREL KAPCSOLATOS EGYÉB ÜGYLETEKBŐL ERED VAGY AZOKKAL ÖSSZEFÜGGÉSBEN KELETKEZIK."),
         QStringLiteral("Ez a fordítás tájékoztató jellegű. Vitás esetben a program forrása mellett található "
                        "LICENSE fájl angol nyelvű szövege az irányadó.")});
}

bool ensureLicenceFile(const platform::Folders& folders)
{
    const QString path = folders.workFile(QStringLiteral("licensz.rtf"));
    if (QFileInfo::exists(path))
        return true;
    QSaveFile file(path);
    const QByteArray bytes = licenceRtf();
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

namespace {

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

} // namespace

LicenceDialog::LicenceDialog(platform::AppContext& context, QWidget* parent) : QDialog(parent), context_(context)
{
    setObjectName(QStringLiteral("LicenceDialog"));
    setWindowTitle(QStringLiteral("Licensz szerződés"));
    text_ = new QTextEdit(this);
    text_->setObjectName(QStringLiteral("text"));
    text_->setReadOnly(true);
    ensureLicenceFile(context_.folders);
    QString error;
    if (!platform::rtf::load(*text_->document(), context_.folders.workFile(QStringLiteral("licensz.rtf")), &error))
        context_.dialogs.error(error);
    auto* print = makeButton(this, "btnPrint", QStringLiteral("Nyomtatás"));
    auto* exit = makeButton(this, "btnExit", QStringLiteral("Kilépés"));
    connect(print, &QPushButton::clicked, this, &LicenceDialog::print);
    connect(exit, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(print);
    buttons->addWidget(exit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_, 1);
    layout->addLayout(buttons);
    resize(720, 600);
}

void LicenceDialog::print()
{
    context_.printer().print(*text_->document(), QStringLiteral("licensz.rtf"));
}

HelpDialog::HelpDialog(platform::AppContext& context, QWidget* parent) : QDialog(parent), context_(context)
{
    setObjectName(QStringLiteral("HelpDialog"));
    setWindowTitle(QStringLiteral("Súgó"));
    topics_ = new QListWidget(this);
    topics_->setObjectName(QStringLiteral("temakor"));
    text_ = new QTextEdit(this);
    text_->setObjectName(QStringLiteral("leiras"));
    text_->setReadOnly(true);
    try {
        for (const QVariantMap& row : context_.db.rows(QStringLiteral("select id, temakor, leiras from sugo order by id"))) {
            topics_->addItem(row.value(QStringLiteral("temakor")).toString());
            descriptions_ << row.value(QStringLiteral("leiras")).toString();
        }
    } catch (const db::DbError& e) {
        context_.dialogs.showDbError(e);
    }
    connect(topics_, &QListWidget::currentRowChanged, this, &HelpDialog::showTopic);

    auto* left = new QWidget(this);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(new QLabel(QStringLiteral("Tárgymutató"), left));
    leftLayout->addWidget(topics_);
    auto* splitter = new QSplitter(this);
    splitter->addWidget(left);
    splitter->addWidget(text_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({300, 560});
    auto* exit = makeButton(this, "btnExit", QStringLiteral("Kilépés"));
    connect(exit, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(exit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 1);
    layout->addLayout(buttons);
    resize(900, 580);
    if (topics_->count() > 0)
        topics_->setCurrentRow(0);
}

void HelpDialog::showTopic(int row)
{
    if (row < 0 || row >= descriptions_.size()) {
        text_->clear();
        return;
    }
    const QString description = descriptions_.at(row);
    // Descriptions are rich text; a plain text is shown as it is.
    if (!platform::rtf::read(*text_->document(), description.toUtf8()))
        text_->setPlainText(description);
}

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutDialog"));
    setWindowTitle(QStringLiteral("Névjegy"));
    auto* layout = new QVBoxLayout(this);
    auto* product = new QLabel(QStringLiteral("Zentar"), this);
    QFont big = product->font();
    big.setPointSizeF(big.pointSizeF() * 2);
    big.setBold(true);
    product->setFont(big);
    const QStringList lines{QStringLiteral("Integrált Könyvtári Rendszer"), QStringLiteral("Egy felhasználós verzió"),
                            QStringLiteral(" "), QString(),
                            QStringLiteral("Zentar fejlesztői"),
                            QStringLiteral("Szabad szoftver, MIT licenc (Súgó, Licensz szerződés)")};
    layout->addWidget(product, 0, Qt::AlignHCenter);
    for (const QString& line : lines)
        layout->addWidget(new QLabel(line, this), 0, Qt::AlignHCenter);
    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("btnOk"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    setMinimumWidth(380);
}

} // namespace zentar::shell
