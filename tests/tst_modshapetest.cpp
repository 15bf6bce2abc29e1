// The body-shape test without windows: the answer table, the tally and the scoring rule.

#include "shapetest/modShapeTest.h"

#include <QTest>

using namespace modShapeTest;
using Answers = std::array<int, 4>;
Q_DECLARE_METATYPE(Answers)

namespace {
void runTest(const Answers &answers)
{
    Tally_Reset();
    for (int question = 1; question <= 4; ++question)
        Tally_CountAnswer(question, answers[question - 1]);
}

// The rule stated afresh: questions 1 and 2 count answer a toward shape 3 - a, questions 3
// and 4 toward a; the highest count wins, ties going to the lowest shape index.
ShapeIndex expectedShape(const Answers &answers)
{
    std::array<int, 4> counts{};
    for (int q = 0; q < 4; ++q)
        ++counts[q < 2 ? 3 - answers[q] : answers[q]];
    const int best = *std::max_element(counts.begin(), counts.end());
    return static_cast<ShapeIndex>(std::find(counts.begin(), counts.end(), best) - counts.begin());
}
} // namespace

class TestModShapeTest : public QObject {
    Q_OBJECT

private slots:
    void init() { Tally_Reset(); }

    void choosesTheShapeOfTheAnswers_data()
    {
        QTest::addColumn<Answers>("answers");
        QTest::addColumn<QString>("shape");
        QTest::newRow("untouched test: Cone 2, Ruler 2") << Answers{0, 0, 0, 0} << "Ruler";
        QTest::newRow("all Ruler") << Answers{3, 3, 0, 0} << "Ruler";
        QTest::newRow("all Hourglass") << Answers{2, 2, 1, 1} << "Hourglass";
        QTest::newRow("all Spoon") << Answers{1, 1, 2, 2} << "Spoon";
        QTest::newRow("all Cone") << Answers{0, 0, 3, 3} << "Cone";
        QTest::newRow("Spoon 2 ties Hourglass 2") << Answers{1, 1, 1, 1} << "Hourglass";
        QTest::newRow("Cone 2 ties Spoon 2") << Answers{0, 1, 2, 3} << "Spoon";
        QTest::newRow("one each") << Answers{3, 2, 2, 3} << "Ruler";
    }

    void choosesTheShapeOfTheAnswers()
    {
        QFETCH(Answers, answers);
        QFETCH(QString, shape);
        runTest(answers);
        QCOMPARE(QString(Shape_Result(Tally_ChooseShape()).strShapeName), shape);
    }

    void everyCombinationFollowsTheRule()
    {
        for (int combination = 0; combination < 256; ++combination) {
            const Answers answers{combination & 3, (combination >> 2) & 3, (combination >> 4) & 3,
                                  (combination >> 6) & 3};
            runTest(answers);
            const Tally &tally = currentTally();
            QCOMPARE(tally.intRulerCount + tally.intHourglassCount + tally.intSpoonCount +
                         tally.intConeCount,
                     4);
            QCOMPARE(Tally_ChooseShape(), expectedShape(answers));
        }
    }

    void noAnswerCountsNothing()
    {
        Tally_CountAnswer(1, std::nullopt);
        Tally_CountAnswer(0, 1);
        Tally_CountAnswer(5, 1);
        Tally_CountAnswer(2, -1);
        Tally_CountAnswer(2, 4);
        const Tally &tally = currentTally();
        QCOMPARE(tally.intRulerCount + tally.intHourglassCount + tally.intSpoonCount +
                     tally.intConeCount,
                 0);
        QCOMPARE(Tally_ChooseShape(), Ruler);
    }

    void choosingLeavesTheTallyAndResetClearsIt()
    {
        runTest({0, 0, 3, 3});
        QCOMPARE(Tally_ChooseShape(), Cone);
        QCOMPARE(Tally_ChooseShape(), Cone);
        QCOMPARE(currentTally().intConeCount, std::int16_t(4));
        Tally_Reset();
        QCOMPARE(currentTally().intConeCount, std::int16_t(0));
        QCOMPARE(Tally_ChooseShape(), Ruler);
    }

    void aCounterStopsAt32767()
    {
        for (int i = 0; i < 40000; ++i)
            Tally_CountAnswer(1, 0);
        QCOMPARE(currentTally().intConeCount, std::int16_t(32767));
        QCOMPARE(Tally_ChooseShape(), Cone);
    }

    void resultRecordsAreAsDesigned_data()
    {
        QTest::addColumn<int>("shape");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("descriptionLength");
        QTest::addColumn<int>("people");
        QTest::addColumn<int>("pictureIndex");
        QTest::addColumn<QString>("pictureKey");
        QTest::newRow("Ruler") << 0 << "Ruler" << 619 << 4 << 3 << "ruler.jpg";
        QTest::newRow("Hourglass") << 1 << "Hourglass" << 348 << 3 << 2 << "hourglass.jpg";
        QTest::newRow("Spoon") << 2 << "Spoon" << 605 << 4 << 4 << "spoon.jpg";
        QTest::newRow("Cone") << 3 << "Cone" << 626 << 4 << 1 << "cone.jpg";
    }

    void resultRecordsAreAsDesigned()
    {
        QFETCH(int, shape);
        const ShapeResult &result = Shape_Result(static_cast<ShapeIndex>(shape));
        QTEST(QString(result.strShapeName), "name");
        const QLatin1StringView description = result.strDescription.source();
        QTEST(int(description.size()), "descriptionLength");
        QVERIFY(description.startsWith(QLatin1StringView("In this type of body shape")));
        QTEST(int(QString(result.strCelebrities).split(QStringLiteral(", ")).size()), "people");
        QVERIFY(!result.strCelebrities.contains(QLatin1StringView(",,")));
        QTEST(int(result.intPictureIndex), "pictureIndex");
        QTEST(QString(result.strPictureKey), "pictureKey");
    }

    void sameCaptionCountsDifferentlyByQuestion()
    {
        QCOMPARE(QuestionAt(1).answers[0].source(), QLatin1StringView("Upper Body"));
        QCOMPARE(QuestionAt(1).countsToward[0], Cone);
        QCOMPARE(QuestionAt(3).answers[0].source(), QLatin1StringView("Upper Body"));
        QCOMPARE(QuestionAt(3).countsToward[0], Ruler);
        QCOMPARE(QuestionAt(3).answers[1].source(), QLatin1StringView("Lower Body"));
        QCOMPARE(QuestionAt(3).countsToward[1], Hourglass);
        QCOMPARE(QuestionAt(4).answers[2].source(), QLatin1StringView("Hips, thighs and buttocks"));
    }
};

QTEST_APPLESS_MAIN(TestModShapeTest)
#include "tst_modshapetest.moc"
