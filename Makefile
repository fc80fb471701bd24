# The two commands of the README, `make run` and `make test`, and the ways to install.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
PREFIX ?= /usr/local

.PHONY: all setup configure build run test bench package install uninstall clean

all: build

setup:
	@bash scripts/install-deps.sh

configure: setup
	cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@bash scripts/run.sh $(BUILD_DIR)

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	@ls $(BUILD_DIR)/bench/ 2>/dev/null

# A Debian package in the build folder: dorvane_<version>_<arch>.deb.
package: build
	cd $(BUILD_DIR) && cpack -G DEB

# After `make build`, as root for a system prefix: `sudo make install`. The list of installed
# files is moved out of CMake's own manifest, which every later install (the tests' and the
# package's too) rewrites, and which would otherwise stay root's.
install:
	cmake --install $(BUILD_DIR) --prefix $(PREFIX) --strip
	mv $(BUILD_DIR)/install_manifest.txt $(BUILD_DIR)/installed-files.txt

uninstall:
	xargs -d '\n' rm -f < $(BUILD_DIR)/installed-files.txt
	-rmdir $(PREFIX)/share/dorvane $(PREFIX)/share/doc/dorvane
	rm -f $(BUILD_DIR)/installed-files.txt

clean:
	rm -rf $(BUILD_DIR)
