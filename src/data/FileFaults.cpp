#include "FileFaults.h"

#include <QFileInfo>

#include <atomic>
#include <mutex>
#include <vector>

namespace data {

namespace {

struct Fault
{
    int id;
    FileStep step;
    QString fileName;
    int error;
    int remaining;
    int fired = 0;
};

std::mutex faultsLock;
std::vector<Fault> faults;
std::atomic<int> armed{0}; // lets the unarmed program skip the lock
int nextId = 0;

bool sameFile(const QString& armedName, const QString& fileName)
{
    if (!armedName.contains(u'/'))
        return QFileInfo(fileName).fileName() == armedName;
    return QFileInfo(fileName).absoluteFilePath() == QFileInfo(armedName).absoluteFilePath();
}

} // namespace

int FileFaults::errorFor(FileStep step, const QString& fileName)
{
    if (armed.load(std::memory_order_relaxed) == 0)
        return 0;
    const std::lock_guard lock(faultsLock);
    for (Fault& fault : faults) {
        if (fault.step == step && fault.remaining != 0 && sameFile(fault.fileName, fileName)) {
            if (fault.remaining > 0)
                --fault.remaining;
            ++fault.fired;
            return fault.error;
        }
    }
    return 0;
}

bool FileFaults::anyArmed()
{
    return armed.load(std::memory_order_relaxed) != 0;
}

FileFaultGuard::FileFaultGuard(FileStep step, const QString& fileName, int error, int times)
{
    const std::lock_guard lock(faultsLock);
    id_ = ++nextId;
    faults.push_back({id_, step, fileName, error, times});
    ++armed;
}

FileFaultGuard::~FileFaultGuard()
{
    const std::lock_guard lock(faultsLock);
    std::erase_if(faults, [this](const Fault& fault) { return fault.id == id_; });
    --armed;
}

int FileFaultGuard::fired() const
{
    const std::lock_guard lock(faultsLock);
    for (const Fault& fault : faults) {
        if (fault.id == id_)
            return fault.fired;
    }
    return 0;
}

} // namespace data
