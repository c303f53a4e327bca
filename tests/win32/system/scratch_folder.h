#pragma once
// A folder of its own below the temporary folder, removed with everything in
// it when the test ends.
#include <windows.h>

#include <string>

class ScratchFolder {
  public:
    explicit ScratchFolder(const std::string& name) {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        path_ = std::string(temp) + name + "-" + std::to_string(GetCurrentProcessId()) + "\\";
        CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~ScratchFolder() { removeTree(path_); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& path() const { return path_; }

    std::string write(const std::string& name, const std::string& bytes) const {
        const std::string file = path_ + name;
        const HANDLE h = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written = 0;
        WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(h);
        return file;
    }

  private:
    static void removeTree(const std::string& folder) {
        WIN32_FIND_DATAA data;
        const HANDLE search = FindFirstFileA((folder + "*.*").c_str(), &data);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                const std::string name = data.cFileName;
                if (name == "." || name == "..")
                    continue;
                const std::string path = folder + name;
                SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    removeTree(path + "\\");
                else
                    DeleteFileA(path.c_str());
            } while (FindNextFileA(search, &data));
            FindClose(search);
        }
        RemoveDirectoryA(folder.c_str());
    }

    std::string path_;
};
