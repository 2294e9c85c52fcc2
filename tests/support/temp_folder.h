// A fresh temporary folder that the test changes into, removed (with the old folder restored) at the end.
#pragma once

#include <string>

class temp_folder_t {
  public:
    temp_folder_t();
    ~temp_folder_t();
    temp_folder_t(const temp_folder_t&) = delete;
    temp_folder_t& operator=(const temp_folder_t&) = delete;

    const std::string& path() const { return path_; }

  private:
    std::string path_;
    std::string previous_;
};
