#include "measure/MeasureGuide.h"
#include "ui_MeasureGuide.h"

#include "measure/measurereport.h"
#include "widgets/modalwindow.h"
#include "widgets/windowframe.h"
#include "widgets/windowkeyboard.h"

#include <QGuiApplication>

namespace {
// The pictures' names in the resources, in the fields' order; each has a double-size drawing.
constexpr std::array<const char *, MeasureReport::FieldCount> PictureFiles{
    "tape-bust", "tape-waist", "tape-high-hip", "tape-hips"};

QPixmap tapePicture(std::size_t index)
{
    const QString name = QStringLiteral(":/assets/%1").arg(QLatin1String(PictureFiles.at(index)));
    QPixmap picture;
    if (qApp->devicePixelRatio() > 1.0 && picture.load(name + QStringLiteral("@2x.png")))
        picture.setDevicePixelRatio(2.0);
    else
        picture.load(name + QStringLiteral(".png"));
    return picture;
}
} // namespace

MeasureGuide::MeasureGuide() : ui(std::make_unique<Ui::MeasureGuide>())
{
    ModalWindow::takeOwner(*this);
    useCloseBoxOnly(*this);
    ui->setupUi(this);
    const std::array<QLabel *, MeasureReport::FieldCount> titles{ui->bustTitle, ui->waistTitle,
                                                                 ui->highHipTitle, ui->hipsTitle};
    const std::array<QLabel *, MeasureReport::FieldCount> pictures{
        ui->bustPicture, ui->waistPicture, ui->highHipPicture, ui->hipsPicture};
    const std::array<QLabel *, MeasureReport::FieldCount> sentences{
        ui->bustSentence, ui->waistSentence, ui->highHipSentence, ui->hipsSentence};
    for (std::size_t index = 0; index < MeasureReport::FieldCount; ++index) {
        titles[index]->setText(MeasureReport::fieldName(index));
        pictures[index]->setPixmap(tapePicture(index));
        pictures[index]->setAccessibleName(pictureName(index));
        sentences[index]->setText(sentence(index));
    }
    // A screen reader starts reading at the first tape rather than at the button.
    ui->bustSentence->setFocus();
    connect(ui->closeButton, &QPushButton::clicked, this, &QDialog::accept);
    useWindowKeyboard(*this);
}

MeasureGuide::~MeasureGuide() = default;

void MeasureGuide::showModal(QWidget &opener)
{
    ModalWindow::showOver<MeasureGuide>(opener);
}

QString MeasureGuide::sentence(std::size_t index)
{
    switch (index) {
    case 0:
        //: Where the tape goes for the bust: tooltip of the bust field and its line in the guide.
        //: The nipples are the landmark a person finds by touch, whatever the body.
        return tr("Feel for your nipples and run the tape around the fullest part of your chest "
                  "at that level, under your arms and level across your back. Keep it snug "
                  "without pressing, and read it as you breathe out.");
    case 1:
        //: Where the tape goes for the waist: tooltip of the waist field and its line in the
        //: guide. People measuring themselves tend to pull the tape tight or hold the stomach in.
        return tr("Find the narrowest part between your lowest rib and the top of your hip bone, "
                  "usually just above the navel, and run the tape around it, level all round. "
                  "Read it as you breathe out, without pulling the tape tight or holding your "
                  "stomach in.");
    case 2:
        //: Where the tape goes for the high hip: the front points of the hip bones, which can be
        //: felt with the fingers just below the waist. Tooltip of the field and its guide line.
        return tr("Feel for the bony points at the front of your hips and run the tape around "
                  "you across them, level all round, just below your waist. Keep it snug without "
                  "pressing, and read it as you breathe out.");
    default:
        //: Where the tape goes for the hips: the bony bump at the side of each hip, at the top of
        //: the thigh (the greater trochanter). Tooltip of the hips field and its guide line.
        return tr("Feel for the bony bump at the side of each hip, at the top of the thigh, and "
                  "run the tape around the widest part of your hips and buttocks there, level "
                  "all round. Stand with your feet together, keep it snug without pressing, and "
                  "read it as you breathe out.");
    }
}

QString MeasureGuide::pictureName(std::size_t index)
{
    switch (index) {
    case 0:
        //: What a screen reader says for the guide's picture of the bust measurement.
        return tr("A figure with the tape around the fullest part of the bust");
    case 1:
        //: What a screen reader says for the guide's picture of the waist measurement.
        return tr("A figure with the tape around the narrowest part of the waist");
    case 2:
        //: What a screen reader says for the guide's picture of the high hip measurement.
        return tr("A figure with the tape across the hip bones, just below the waist");
    default:
        //: What a screen reader says for the guide's picture of the hips measurement.
        return tr("A figure with the tape around the widest part of the hips");
    }
}
