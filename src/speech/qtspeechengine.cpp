// SPDX-License-Identifier: GPL-3.0-or-later
#include "speech/qtspeechengine.h"

#include <QMetaObject>
#include <QTextToSpeech>
#include <QThread>

// Owns the synthesiser in the speech thread. It reports to the engine by
// posting to the engine's thread, so the engine's members are only touched
// there.
class TSpeechWorker : public QObject {
public:
    TSpeechWorker(TQtSpeechEngine& Owner, QString Engine) : Owner(Owner), Wanted(std::move(Engine)) {}

    void Start()
    {
        const QStringList Engines = TQtSpeechEngine::EngineNames();
        const QString Name = Wanted.isEmpty() ? Engines.value(0) : Wanted;
        if (Name.isEmpty() || !Engines.contains(Name)) {
            Fail(QStringLiteral("Geen spraaksynthese gevonden: installeer de pakketten qt6-speech-speechd-plugin, "
                                "speech-dispatcher en speech-dispatcher-espeak-ng"));
            return;
        }
        Speech = new QTextToSpeech(Name, this);
        if (Speech->state() == QTextToSpeech::Error) {
            Fail(QStringLiteral("Geen verbinding met de spraakdienst (%1): installeer de pakketten speech-dispatcher "
                                "en speech-dispatcher-espeak-ng")
                     .arg(Speech->errorString()));
            return;
        }
        const QList<QLocale> Languages = Speech->availableLocales();
        if (Languages.isEmpty()) {
            Fail(QStringLiteral("Geen stemmen gevonden: installeer het pakket speech-dispatcher-espeak-ng"));
            return;
        }
        QObject::connect(Speech, &QTextToSpeech::stateChanged, this, [this](QTextToSpeech::State State) {
            Report(State == QTextToSpeech::Speaking ? TSpeechEngine::TState::Speaking
                   : State == QTextToSpeech::Error  ? TSpeechEngine::TState::Unavailable
                                                    : TSpeechEngine::TState::Ready);
        });
        Post([Name, Languages](TQtSpeechEngine& Engine) { Engine.Started(Name, Languages); });
    }

    void Say(const QString& Text, const QLocale& Language)
    {
        if (!Speech)
            return;
        Speech->stop();
        if (Speech->locale() != Language)
            Speech->setLocale(Language);
        Speech->say(Text);
    }

    void Stop()
    {
        if (Speech)
            Speech->stop();
    }

private:
    void Fail(const QString& Problem)
    {
        Post([Problem](TQtSpeechEngine& Engine) { Engine.Failed(Problem); });
    }

    void Report(TSpeechEngine::TState State)
    {
        Post([State](TQtSpeechEngine& Engine) { Engine.Reported(State); });
    }

    // A posted call is dropped when the engine is gone before it arrives.
    template <typename F> void Post(F Call)
    {
        TQtSpeechEngine* Engine = &Owner;
        QMetaObject::invokeMethod(Engine, [Engine, Call] { Call(*Engine); }, Qt::QueuedConnection);
    }

    TQtSpeechEngine& Owner;
    QString Wanted;
    QTextToSpeech* Speech = nullptr;
};

TQtSpeechEngine::TQtSpeechEngine(const QString& Engine, QObject* Parent)
    : TSpeechEngine(Parent), Thread(new QThread), Worker(new TSpeechWorker(*this, Engine))
{
    Thread->setObjectName(QStringLiteral("speech"));
    Worker->moveToThread(Thread);
    connect(Thread, &QThread::finished, Worker, &QObject::deleteLater);
    Thread->start();
    QMetaObject::invokeMethod(Worker, [W = Worker] { W->Start(); }, Qt::QueuedConnection);
}

TQtSpeechEngine::~TQtSpeechEngine()
{
    QMetaObject::invokeMethod(Worker, [W = Worker] { W->Stop(); }, Qt::QueuedConnection);
    Thread->quit();
    // A service that hangs must not hold up the end of the program: the
    // thread is then left to the end of the process.
    if (Thread->wait(3000))
        delete Thread;
}

QStringList TQtSpeechEngine::EngineNames()
{
    QStringList Names = QTextToSpeech::availableEngines();
    Names.removeAll(QStringLiteral("mock"));
    if (Names.removeAll(QStringLiteral("speechd")) > 0)
        Names.prepend(QStringLiteral("speechd"));
    return Names;
}

void TQtSpeechEngine::Say(const QString& Text, const QLocale& Language)
{
    QMetaObject::invokeMethod(Worker, [W = Worker, Text, Language] { W->Say(Text, Language); }, Qt::QueuedConnection);
}

void TQtSpeechEngine::Stop()
{
    QMetaObject::invokeMethod(Worker, [W = Worker] { W->Stop(); }, Qt::QueuedConnection);
}

void TQtSpeechEngine::Started(const QString& Engine, const QList<QLocale>& Languages)
{
    Name = Engine;
    Voices = Languages;
    CurrentState = TState::Ready;
    emit StateChanged();
}

void TQtSpeechEngine::Failed(const QString& Problem)
{
    ProblemText = Problem;
    CurrentState = TState::Unavailable;
    emit StateChanged();
}

void TQtSpeechEngine::Reported(TState State)
{
    if (CurrentState == TState::Unavailable)
        return;
    if (State == TState::Unavailable)
        ProblemText = QStringLiteral("De spraakdienst gaf een fout: installeer de pakketten speech-dispatcher en "
                                     "speech-dispatcher-espeak-ng of start de dienst opnieuw");
    CurrentState = State;
    emit StateChanged();
}
