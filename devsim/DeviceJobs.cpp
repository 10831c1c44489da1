#include "DeviceJobs.h"

#include <chrono>
#include <cstdio>
#include <thread>
#include <fstream>
#include <sstream>

namespace devsim {

namespace {

std::string partPath(const TftpTransfer& t)
{
    return t.localPath + ".part";
}

std::string readAll(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

} // namespace

DeviceJobs::DeviceJobs(TftpProgram program, std::string folder)
    : program_(program), outputPath_(std::move(folder) + "/tftp-client.out")
{
}

void DeviceJobs::transfer(TftpTransfer transfer, Done done)
{
    queue_.push_back(Job{nullptr, std::move(transfer), std::move(done)});
}

void DeviceJobs::then(std::function<void()> step)
{
    queue_.push_back(Job{std::move(step), {}, nullptr});
}

void DeviceJobs::pause(std::chrono::milliseconds milliseconds)
{
    queue_.push_back(Job{nullptr, {}, nullptr, milliseconds});
}

void DeviceJobs::finish(bool ok, std::string reason)
{
    Job job = std::move(*running_);
    running_.reset();
    feed_.close();
    if (!job.transfer.upload) {
        if (ok && std::rename(partPath(job.transfer).c_str(), job.transfer.localPath.c_str()) != 0) {
            ok = false;
            reason = "cannot keep the received file as " + job.transfer.localPath;
        }
        if (!ok)
            std::remove(partPath(job.transfer).c_str());
    }
    job.done(ok, reason);
}

void DeviceJobs::transferNow(TftpTransfer transfer, Done done)
{
    std::string reason;
    if (!tftpServerAllowed(transfer.server, reason)) {
        done(false, reason);
        return;
    }
    TftpTransfer run = transfer;
    if (!run.upload)
        run.localPath = partPath(transfer);
    const std::string output = outputPath_ + ".now";
    ChildProcess child;
    if (!child.start(tftpCommandLine(program_, run), output, reason)) {
        done(false, reason);
        return;
    }
    int exitCode = 0;
    while (!child.finished(exitCode))
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    bool ok = tftpSucceeded(program_, exitCode, readAll(output), reason);
    if (!run.upload) {
        if (ok && std::rename(run.localPath.c_str(), transfer.localPath.c_str()) != 0) {
            ok = false;
            reason = "cannot keep the received file as " + transfer.localPath;
        }
        if (!ok)
            std::remove(run.localPath.c_str());
    }
    done(ok, reason);
}

void DeviceJobs::poll()
{
    int exitCode = 0;
    feed_.poll();
    if (running_ && child_.finished(exitCode)) {
        std::string reason;
        const bool ok = tftpSucceeded(program_, exitCode, readAll(outputPath_), reason);
        finish(ok, reason);
    }
    if (pausedUntil_) {
        if (std::chrono::steady_clock::now() < *pausedUntil_)
            return;
        pausedUntil_.reset();
    }
    while (!running_ && !pausedUntil_ && !queue_.empty()) {
        Job job = std::move(queue_.front());
        queue_.pop_front();
        if (job.pause.count() > 0) {
            pausedUntil_ = std::chrono::steady_clock::now() + job.pause;
            continue;
        }
        if (job.step) {
            job.step();
            continue;
        }
        std::string reason;
        if (!tftpServerAllowed(job.transfer.server, reason)) {
            job.done(false, reason);
            continue;
        }
        TftpTransfer run = job.transfer;
        if (!run.upload)
            run.localPath = partPath(job.transfer);
        running_ = std::move(job);
        if (run.upload && run.blockMs > 0) {
            if (program_ != TftpProgram::TftpHpa) {
                // atftp seeks to each block in its file, which a pipe cannot do.
                finish(false, "a slow transfer needs tftp-hpa's client");
                continue;
            }
            run.localPath = running_->transfer.localPath + ".paced";
            if (!feed_.open(running_->transfer.localPath, run.localPath, std::chrono::milliseconds(run.blockMs), reason)) {
                finish(false, reason);
                continue;
            }
        }
        if (!child_.start(tftpCommandLine(program_, run), outputPath_, reason))
            finish(false, reason);
    }
}

} // namespace devsim
