# Set-up and everyday commands. `make run` and `make test` install whatever
# the build needs (Debian 12 packages) before they configure and build. The
# build kinds are the presets of CMakePresets.json, so an IDE that opens the
# folder builds the same way: dev (build/), release, asan and fuzz.

JOBS         ?= $(shell nproc)
FUZZ_SECONDS ?= 60

PACKAGES := cmake make g++ pkg-config qt6-base-dev qt6-svg-dev libgl-dev \
            fontconfig fonts-urw-base35 fonts-liberation2 \
            clang clang-format libclang-rt-14-dev \
            help2man dpkg-dev file desktop-file-utils appstream man-db xvfb \
            libxlsxwriter-dev python3-openpyxl time \
            poppler-utils

SUDO := $(shell [ "$$(id -u)" -eq 0 ] || echo sudo)

.PHONY: run test build deps configure format format-check fuzz fuzz-build \
        sanitize package install bench clean

deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get update -qq && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $$missing; \
	fi

configure: deps
	cmake --preset dev

build: configure
	cmake --build --preset dev -j $(JOBS)

run: build
	./build/src/app/talir

# Every test, the formatting of every C++ file and a bounded fuzz run.
test: build
	ctest --preset dev -j $(JOBS)
	$(MAKE) --no-print-directory format-check
	$(MAKE) --no-print-directory fuzz FUZZ_SECONDS=$(FUZZ_SECONDS)

format-check: deps
	./scripts/check-format.sh

format: deps
	./scripts/check-format.sh --fix

# The input path under libFuzzer, AddressSanitizer and UBSan for FUZZ_SECONDS.
fuzz-build: deps
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS)

fuzz: fuzz-build
	./scripts/fuzz.sh build-fuzz $(FUZZ_SECONDS)

# The whole suite under AddressSanitizer (leak detection on),
# UndefinedBehaviorSanitizer and the suppressions of tests/lsan.supp.
sanitize: deps
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

# The Debian package talir_<version>_<arch>.deb in this folder.
package: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS)
	cd build-release && cpack -G DEB
	cp build-release/talir_*.deb .

# Installs into CMAKE_INSTALL_PREFIX of the dev build (default /usr/local).
install: build
	cmake --install build

bench: build
	./scripts/bench.sh build

clean:
	rm -rf build build-release build-asan build-fuzz
