# The README's commands, and the ways to install. Each command installs only the package layers
# it needs (scripts/install-deps.sh) and builds only what it needs: `make run` the program alone,
# `make package` a Release build of its own without tests, `make test` everything.
BUILD_DIR ?= build
PACKAGE_DIR ?= build-package
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
PREFIX ?= /usr/local

# A build folder starts without the tests and benchmarks, so that `make run` and `make build`
# need no test libraries; `make test` turns them on, and they stay on in that folder.
FIRST_CONFIGURE = $(if $(wildcard $(BUILD_DIR)/CMakeCache.txt),,-DDORVANE_BUILD_TESTS=OFF -DDORVANE_BUILD_BENCH=OFF)
# With no display open (a server, a container), `make run` shows the clock on a virtual one.
RUN_LAYERS = running building $(if $(DISPLAY)$(WAYLAND_DISPLAY)$(QT_QPA_PLATFORM),,virtual-display)

.PHONY: all setup build run build-all test bench package install uninstall clean

all: build

# Every layer: all that building, testing and packaging need.
setup:
	@bash scripts/install-deps.sh

# The program and what `make install` installs.
build:
	@bash scripts/install-deps.sh running building
	cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS) $(FIRST_CONFIGURE)
	cmake --build $(BUILD_DIR) -j $(JOBS)

run:
	@bash scripts/install-deps.sh $(RUN_LAYERS)
	cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS) $(FIRST_CONFIGURE)
	cmake --build $(BUILD_DIR) -j $(JOBS) --target Dorvane
	@bash scripts/run.sh $(BUILD_DIR)

# Everything, tests and benchmarks included. Among the tests are the Debian package's, hence
# the packaging layer.
build-all:
	@bash scripts/install-deps.sh running building testing packaging
	cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS) -DDORVANE_BUILD_TESTS=ON -DDORVANE_BUILD_BENCH=ON
	cmake --build $(BUILD_DIR) -j $(JOBS)

test: build-all
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build-all
	@ls $(BUILD_DIR)/bench/ 2>/dev/null

# A Debian package, dorvane_<version>_<arch>.deb, in a Release build folder of its own that has
# no tests or benchmarks to build.
package:
	@bash scripts/install-deps.sh running building packaging
	cmake -S . -B $(PACKAGE_DIR) -DCMAKE_BUILD_TYPE=Release -DDORVANE_BUILD_TESTS=OFF -DDORVANE_BUILD_BENCH=OFF
	cmake --build $(PACKAGE_DIR) -j $(JOBS)
	cd $(PACKAGE_DIR) && cpack -G DEB

# After `make build`, as root for a system prefix: `sudo make install`. The list of installed
# files is moved out of CMake's own manifest, which every later install (the tests' and the
# package's too) rewrites, and which would otherwise stay root's.
install:
	cmake --install $(BUILD_DIR) --prefix $(PREFIX) --strip
	mv $(BUILD_DIR)/install_manifest.txt $(BUILD_DIR)/installed-files.txt

uninstall:
	xargs -d '\n' rm -f < $(BUILD_DIR)/installed-files.txt
	-rmdir $(PREFIX)/share/dorvane $(PREFIX)/share/doc/dorvane \
	  $$(sed -n 's|/dorvane-share\.so$$||p' $(BUILD_DIR)/installed-files.txt)
	rm -f $(BUILD_DIR)/installed-files.txt

clean:
	rm -rf $(BUILD_DIR) $(PACKAGE_DIR)
