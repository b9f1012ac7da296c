# Orlenvo: `make run` builds and starts the program, `make test` builds and runs every test.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
# make install: under PREFIX, inside DESTDIR when given (a staging root).
PREFIX ?= /usr/local
DESTDIR ?=

.PHONY: all deps configure build run test bench screenshots install package clean

all: build

deps:
	@bash scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@bash scripts/run

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) -LE bench

bench: build
	@cd $(BUILD) && ctest -L bench --output-on-failure -V

screenshots: build
	@bash scripts/screenshots

install: build
	@DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"

# The Debian package orlenvo_<version>_<arch>.deb, in $(BUILD)/package.
package: build
	@cd $(BUILD) && cpack --config CPackConfig.cmake
	@ls $(BUILD)/package/*.deb

clean:
	@rm -rf $(BUILD)
