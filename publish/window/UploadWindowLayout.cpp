// The upload wizard's frame: the left bevel with the welcome, the profile
// list and its panels, the right strip of big buttons and its painted frame.

#include "publish/window/TfrmUpload.h"

#include "platform/HelpTopicTag.h"
#include "platform/ListBoxHrz.h"
#include "publish/window/GlobeAnimation.h"
#include "publish/window/KeyFilters.h"
#include "publish/window/TfrmConnectionTest.h"
#include "publish/window/UploadPictures.h"
#include "publish/window/UploadTexts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>

namespace tarvin {

using namespace upload_texts;

namespace {

constexpr int ClientWidth = 487;
constexpr int ClientHeight = 425;
constexpr int BevelWidth = 385;
// Where the profile list and the panels that cover it sit in the bevel.
const QRect ListArea(8, 96, 369, 267);

QLabel* PlainLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QFrame* Separator(QWidget* parent, int y)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(8, y, BevelWidth - 16, 2);
    return line;
}

// A flat speed button.
QToolButton* SpeedButton(const QString& text, const char* name, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoRaise(true);
    return button;
}

// One of the right strip's 80 by 75 buttons, picture above caption.
QToolButton* StripButton(const QString& text, const char* name, const QPixmap& picture, int top, QWidget* parent)
{
    QToolButton* button = SpeedButton(text, name, parent);
    button->setIcon(picture);
    button->setIconSize(picture.size());
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setGeometry(396, top, 80, 75);
    return button;
}

QLineEdit* Box(const char* name, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

} // namespace

// FormCreate: the stored profiles in the list, the page's files in the upload
// list, the animation standing still.
TfrmUpload::TfrmUpload(Dialogs& dialogs, SharedOpenDialog& openDialog, publish::ProfileStore& profiles,
                       const std::vector<std::string>& files, const std::string& recordFolder, QWidget* parent)
    : QDialog(parent),
      DialogPrompts(dialogs),
      openDialog_(openDialog),
      profiles_(profiles),
      session_(ftp_, *this),
      quitLimit_(new QTimer(this))
{
    setWindowTitle(Caption);
    setFixedSize(ClientWidth, ClientHeight);
    BuildBevel();
    BuildButtonStrip();
    ConnectHandlers();

    for (const std::string& name : profiles_.ListProfiles())
        AddProfileItem(QString::fromStdString(name));
    for (const std::string& file : files)
        lstUpload->addItem(QString::fromStdString(file));
    session_.RecordFolder = recordFolder;
    quitLimit_->setSingleShot(true);
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

// The child widgets outlive this object's own members: no signal of theirs
// may reach a handler while they are destroyed.
TfrmUpload::~TfrmUpload()
{
    for (QObject* child : findChildren<QObject*>())
        child->disconnect(this);
}

void TfrmUpload::BuildBevel()
{
    pnlBevel = new QFrame(this);
    pnlBevel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    pnlBevel->setGeometry(0, 0, BevelWidth, ClientHeight);

    auto* picture = new QLabel(pnlBevel);
    picture->setPixmap(WizardPicture());
    picture->setGeometry(10, 12, 64, 64);
    auto* welcome = PlainLabel(Welcome, pnlBevel);
    welcome->setWordWrap(true);
    welcome->setGeometry(84, 6, BevelWidth - 94, 82);
    Separator(pnlBevel, 90);

    PlainLabel(SelectProfile, pnlBevel)->setGeometry(10, 98, 300, 16);
    lvProfiles = new QListWidget(pnlBevel);
    lvProfiles->setObjectName(QStringLiteral("lvProfiles"));
    lvProfiles->setGeometry(10, 116, 309, 245);
    lvProfiles->setViewMode(QListView::IconMode);
    lvProfiles->setIconSize(QSize(32, 32));
    lvProfiles->setGridSize(QSize(96, 64));
    lvProfiles->setMovement(QListView::Static);
    lvProfiles->setResizeMode(QListView::Adjust);
    lvProfiles->setWordWrap(true);
    lvProfiles->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvProfiles->setSelectionMode(QAbstractItemView::SingleSelection);
    SetHelpContext(lvProfiles, 63);

    btnAdd = SpeedButton(QStringLiteral("Add"), "btnAdd", pnlBevel);
    btnDelete = SpeedButton(QStringLiteral("Delete"), "btnDelete", pnlBevel);
    btnEdit = SpeedButton(QStringLiteral("Edit"), "btnEdit", pnlBevel);
    int top = 116;
    for (QToolButton* button : {btnAdd, btnDelete, btnEdit}) {
        button->setGeometry(323, top, 54, 25);
        top += 29;
    }
    btnDelete->setEnabled(false);
    btnEdit->setEnabled(false);

    pnlProfiles = BuildProfilePanel(pnlBevel);
    pnlUpload = BuildUploadPanel(pnlBevel);
    Separator(pnlBevel, 367);

    btnApply = new QPushButton(QStringLiteral("&Apply"), pnlBevel);
    btnApply->setObjectName(QStringLiteral("btnApply"));
    btnApply->setGeometry(218, 378, 75, 25);
    btnCancel = new QPushButton(QStringLiteral("Cancel"), pnlBevel);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setGeometry(300, 378, 75, 25);
    btnTest = new QPushButton(QStringLiteral("T&est"), pnlBevel);
    btnTest->setObjectName(QStringLiteral("btnTest"));
    btnTest->setToolTip(QStringLiteral("Try the settings on the server, step by step"));
    btnTest->setGeometry(10, 378, 75, 25);
    for (QPushButton* button : {btnTest, btnApply, btnCancel}) {
        button->setAutoDefault(false);
        button->hide();
    }
    btnApply->setEnabled(false);
    frmConnectionTest = new TfrmConnectionTest(dialogs_, this);
}

QWidget* TfrmUpload::BuildProfilePanel(QWidget* parent)
{
    auto* panel = new QWidget(parent);
    panel->setObjectName(QStringLiteral("pnlProfiles"));
    panel->setGeometry(ListArea);
    panel->setAutoFillBackground(true);
    auto* picture = new QLabel(panel);
    picture->setPixmap(ServerPicture(32));
    picture->setGeometry(0, 2, 32, 32);

    txtProfileName = Box("txtProfileName", panel);
    txtUserName = Box("txtUserName", panel);
    txtPassword = Box("txtPassword", panel);
    txtPassword->setEchoMode(QLineEdit::Password);
    txtHostName = Box("txtHostName", panel);
    txtInitialDir = Box("txtInitialDir", panel);
    txtPort = Box("txtPort", panel);
    txtPort->setText(QStringLiteral("21"));

    struct Row {
        const char* caption;
        QLineEdit* box;
        int topic;
    };
    const Row rows[] = {
        {"&Name of the Server Profile", txtProfileName, 57},
        {"&Username (This is your login name)", txtUserName, 58},
        {"&Password", txtPassword, 62},
        {"Web &Server Address eg. ftp.example.com", txtHostName, 61},
        {"Initial Remote &Directory eg. public_html", txtInitialDir, 60},
    };
    int top = 2;
    for (const Row& row : rows) {
        auto* label = new QLabel(QString::fromUtf8(row.caption), panel);
        label->setGeometry(40, top, 329, 16);
        label->setBuddy(row.box);
        SetHelpTopic(label, row.topic);
        SetHelpContext(row.box, row.topic);
        row.box->setGeometry(40, top + 16, 329, 22);
        top += 38;
    }
    // The connection's settings: a short label before each, in three rows.
    const auto shortLabel = [panel](const char* caption, QWidget* buddy, int y) {
        auto* label = new QLabel(QString::fromUtf8(caption), panel);
        label->setGeometry(40, y + 3, 52, 16);
        label->setBuddy(buddy);
        return label;
    };
    SetHelpTopic(shortLabel("P&ort:", txtPort, top), 59);
    SetHelpContext(txtPort, 59);
    txtPort->setGeometry(94, top, 48, 22);
    updnTimeout = new QSpinBox(panel);
    updnTimeout->setObjectName(QStringLiteral("updnTimeout"));
    updnTimeout->setRange(1, publish::ServerProfile::MaxTimeout);
    updnTimeout->setValue(publish::ServerProfile{}.Timeout);
    updnTimeout->setGeometry(289, top, 80, 22);
    auto* lblTimeout = new QLabel(QStringLiteral("Idle &timeout (seconds):"), panel);
    lblTimeout->setGeometry(140, top + 3, 147, 16);
    lblTimeout->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblTimeout->setBuddy(updnTimeout);

    top += 25;
    cbSecurity = new QComboBox(panel);
    cbSecurity->setObjectName(QStringLiteral("cbSecurity"));
    cbSecurity->addItems({FtpOverTls, PlainFtp});
    cbSecurity->setToolTip(QStringLiteral("FTP over TLS sends the password and the files encrypted"));
    cbSecurity->setGeometry(94, top, 130, 22);
    shortLabel("Securit&y:", cbSecurity, top);
    chkPassive = new QCheckBox(QStringLiteral("Passive mode"), panel);
    chkPassive->setObjectName(QStringLiteral("chkPassive"));
    chkPassive->setToolTip(QStringLiteral("Passive mode works behind routers and firewalls"));
    chkPassive->setGeometry(236, top + 1, 133, 20);

    top += 25;
    txtCaFile = Box("txtCaFile", panel);
    txtCaFile->setPlaceholderText(QStringLiteral("optional"));
    txtCaFile->setToolTip(
        QStringLiteral("Certificates to trust besides the system's, for a server whose certificate your provider "
                       "or company issues itself"));
    txtCaFile->setGeometry(94, top, 206, 22);
    shortLabel("CA &file:", txtCaFile, top);
    btnCaBrowse = new QPushButton(QStringLiteral("&Browse..."), panel);
    btnCaBrowse->setObjectName(QStringLiteral("btnCaBrowse"));
    btnCaBrowse->setAutoDefault(false);
    btnCaBrowse->setGeometry(304, top, 65, 22);

    QWidget* previous = txtProfileName;
    for (QWidget* box : {static_cast<QWidget*>(txtUserName), static_cast<QWidget*>(txtPassword),
                         static_cast<QWidget*>(txtHostName), static_cast<QWidget*>(txtInitialDir),
                         static_cast<QWidget*>(txtPort), static_cast<QWidget*>(updnTimeout),
                         static_cast<QWidget*>(cbSecurity), static_cast<QWidget*>(chkPassive),
                         static_cast<QWidget*>(txtCaFile), static_cast<QWidget*>(btnCaBrowse)}) {
        setTabOrder(previous, box);
        previous = box;
    }
    txtProfileName->installEventFilter(new TypedCharacterFilter(IsRefusedInProfileName, txtProfileName));
    txtPort->installEventFilter(new TypedCharacterFilter(IsRefusedInPort, txtPort));
    panel->hide();
    return panel;
}

QWidget* TfrmUpload::BuildUploadPanel(QWidget* parent)
{
    auto* panel = new QWidget(parent);
    panel->setObjectName(QStringLiteral("pnlUpload"));
    panel->setGeometry(ListArea);
    panel->setAutoFillBackground(true);

    pnlProgress = new QWidget(panel);
    pnlProgress->setObjectName(QStringLiteral("pnlProgress"));
    pnlProgress->setGeometry(0, 0, ListArea.width(), 56);
    Animate = new GlobeAnimation(pnlProgress);
    Animate->move((ListArea.width() - Animate->width()) / 2, 2);
    lblProgress = PlainLabel(QString(), pnlProgress);
    lblProgress->setObjectName(QStringLiteral("lblProgress"));
    lblProgress->setAlignment(Qt::AlignCenter);
    lblProgress->setGeometry(0, 37, ListArea.width(), 17);
    pnlProgress->hide();

    btnSend = SpeedButton(QStringLiteral("Send files to the web"), "btnSend", panel);
    btnSend->setIcon(UploadPicture(24));
    btnSend->setIconSize(QSize(24, 24));
    btnSend->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    btnSend->setGeometry(0, 60, 200, 30);
    btnSend->setEnabled(false);
    chkChangedOnly = new QCheckBox(QStringLiteral("Send only &changed files"), panel);
    chkChangedOnly->setObjectName(QStringLiteral("chkChangedOnly"));
    chkChangedOnly->setToolTip(
        QStringLiteral("Leave out the files that are unchanged since their last upload to this server folder and "
                       "that the server still holds"));
    chkChangedOnly->setGeometry(206, 65, ListArea.width() - 206, 20);
    auto* hint = PlainLabel(UploadHint, panel);
    hint->setWordWrap(true);
    hint->setGeometry(0, 92, ListArea.width(), 34);

    btnUpAdd = SpeedButton(QString(), "btnUpAdd", panel);
    btnUpAdd->setIcon(AddGlyph());
    btnUpAdd->setToolTip(QStringLiteral("Add a file"));
    btnUpRemove = SpeedButton(QString(), "btnUpRemove", panel);
    btnUpRemove->setIcon(RemoveGlyph());
    btnUpRemove->setToolTip(QStringLiteral("Remove the selected file"));
    btnUpAdd->setGeometry(0, 128, 24, 22);
    btnUpRemove->setGeometry(26, 128, 24, 22);

    lstUpload = new TListBoxHrz(panel);
    lstUpload->setObjectName(QStringLiteral("lstUpload"));
    lstUpload->setGeometry(0, 154, 366, 110);
    SetHelpTopic(lstUpload, 75);
    SetHelpContext(lstUpload, 75);
    panel->hide();
    return panel;
}

void TfrmUpload::BuildButtonStrip()
{
    btnServers = StripButton(QStringLiteral("Servers"), "btnServers", ServerPicture(32), 1, this);
    btnUpload = StripButton(QStringLiteral("Upload"), "btnUpload", UploadPicture(32), 76, this);
    btnClose = StripButton(QStringLiteral("Exit"), "btnClose", ExitPicture(32), ClientHeight - 76, this);
    btnServers->setCheckable(true);
    btnUpload->setCheckable(true);
    btnServers->setChecked(true);
    btnUpload->setEnabled(false);
}

void TfrmUpload::ConnectHandlers()
{
    connect(lvProfiles, &QListWidget::itemSelectionChanged, this, &TfrmUpload::lvProfilesClick);
    // lvProfilesDblClick
    connect(lvProfiles, &QListWidget::itemDoubleClicked, this, [this] {
        if (SelectedProfile())
            btnEditClick();
    });
    connect(btnAdd, &QToolButton::clicked, this, &TfrmUpload::btnAddClick);
    connect(btnEdit, &QToolButton::clicked, this, &TfrmUpload::btnEditClick);
    connect(btnDelete, &QToolButton::clicked, this, &TfrmUpload::btnDeleteClick);
    connect(btnApply, &QPushButton::clicked, this, &TfrmUpload::btnApplyClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmUpload::btnCancelClick);
    connect(btnTest, &QPushButton::clicked, this, &TfrmUpload::btnTestClick);
    connect(btnCaBrowse, &QPushButton::clicked, this, &TfrmUpload::btnCaBrowseClick);
    connect(cbSecurity, &QComboBox::currentIndexChanged, this, &TfrmUpload::cbSecurityChange);
    frmConnectionTest->OnTrusted = [this](const std::string& fingerprint) {
        editedProfile_.TrustedFingerprint = fingerprint;
    };
    // txtProfileNameChange
    connect(txtProfileName, &QLineEdit::textChanged, this,
            [this](const QString& name) { btnApply->setEnabled(!name.isEmpty()); });

    auto* views = new QButtonGroup(this);
    views->addButton(btnServers, 0);
    views->addButton(btnUpload, 1);
    connect(views, &QButtonGroup::idClicked, this, &TfrmUpload::btnServersClick);
    connect(btnClose, &QToolButton::clicked, this, &QWidget::close);

    connect(lstUpload, &QListWidget::itemSelectionChanged, this, &TfrmUpload::lstUploadClick);
    connect(btnUpAdd, &QToolButton::clicked, this, &TfrmUpload::btnUpAddClick);
    connect(btnUpRemove, &QToolButton::clicked, this, &TfrmUpload::btnUpRemoveClick);
    connect(btnSend, &QToolButton::clicked, this, &TfrmUpload::btnSendClick);
    connect(quitLimit_, &QTimer::timeout, this, &TfrmUpload::FinishClosing);
}

// Two raised boxes in the strip: one round "Servers" and "Upload", one round "Exit".
void TfrmUpload::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    const QColor shadow = palette().color(QPalette::Dark);
    const QColor highlight = palette().color(QPalette::Light);
    const int x = width() - 2;
    const int w = pnlBevel->width() + 1;
    const int serversTop = btnServers->y();
    const int uploadBottom = btnUpload->y() + btnUpload->height();
    const int exitTop = btnClose->y();
    const int bottom = height() - 1;

    painter.setPen(shadow);
    painter.drawPolyline(QPolygon{QPoint(x, serversTop - 1), QPoint(x, uploadBottom),
                                  QPoint(w, uploadBottom + serversTop)});
    painter.setPen(highlight);
    painter.drawPolyline(QPolygon{QPoint(w, uploadBottom + serversTop), QPoint(w, 0), QPoint(x, serversTop - 1)});

    painter.setPen(shadow);
    painter.drawPolyline(QPolygon{QPoint(x, exitTop - 1), QPoint(x, bottom), QPoint(w, bottom)});
    painter.setPen(highlight);
    painter.drawPolyline(QPolygon{QPoint(w, bottom), QPoint(w, exitTop - serversTop), QPoint(x, exitTop - 1)});
}

} // namespace tarvin
