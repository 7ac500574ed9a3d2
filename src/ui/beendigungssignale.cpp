#include "ui/beendigungssignale.h"

#include <QSocketNotifier>

#include <fcntl.h>
#include <unistd.h>
#include <array>
#include <cerrno>
#include <csignal>

namespace brelvanostik {

namespace {

constexpr std::array<int, 3> kSignale = {SIGTERM, SIGHUP, SIGINT};

// The pipe's ends; the handler may only touch what is async-signal-safe.
volatile sig_atomic_t schreibEnde = -1;
int leseEnde = -1;

extern "C" void signalBehandeln(int) {
    const int gesichert = errno;
    const char zeichen = 1;
    if (schreibEnde >= 0) {
        // A full pipe already holds an unread request; nothing is lost.
        [[maybe_unused]] const ssize_t geschrieben = ::write(schreibEnde, &zeichen, 1);
    }
    errno = gesichert;
}

bool pipeAnlegen() {
    int enden[2];
    if (::pipe(enden) != 0) return false;
    for (const int ende : enden) {
        ::fcntl(ende, F_SETFD, FD_CLOEXEC);
        ::fcntl(ende, F_SETFL, ::fcntl(ende, F_GETFL) | O_NONBLOCK);
    }
    leseEnde = enden[0];
    schreibEnde = enden[1];
    return true;
}

}  // namespace

Beendigungssignale::Beendigungssignale(QObject* eltern) : QObject(eltern) {
    if (leseEnde >= 0 || !pipeAnlegen()) return;  // one receiver per program
    notifier_ = new QSocketNotifier(leseEnde, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &Beendigungssignale::lesen);
    struct sigaction aktion = {};
    aktion.sa_handler = signalBehandeln;
    sigemptyset(&aktion.sa_mask);
    aktion.sa_flags = SA_RESTART;
    for (const int signal : kSignale) ::sigaction(signal, &aktion, nullptr);
}

Beendigungssignale::~Beendigungssignale() {
    if (notifier_ == nullptr) return;
    struct sigaction standard = {};
    standard.sa_handler = SIG_DFL;
    sigemptyset(&standard.sa_mask);
    for (const int signal : kSignale) ::sigaction(signal, &standard, nullptr);
    delete notifier_;  // before its descriptor is closed
    notifier_ = nullptr;
    const int schreiben = schreibEnde;
    schreibEnde = -1;
    ::close(schreiben);
    ::close(leseEnde);
    leseEnde = -1;
}

void Beendigungssignale::lesen() {
    char puffer[64];
    while (::read(leseEnde, puffer, sizeof puffer) > 0) {
    }
    emit beendenVerlangt();
}

}  // namespace brelvanostik
