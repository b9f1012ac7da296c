# Orlenvo: `make run` builds and starts the program, `make test` builds and runs every test.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
# make install: under PREFIX, inside DESTDIR when given (a staging root).
PREFIX ?= /usr/local
DESTDIR ?=
# make sanitize: the whole suite built with AddressSanitizer and UndefinedBehaviorSanitizer.
SANITIZE_BUILD ?= build-sanitize
# make fuzz: every libFuzzer target for FUZZ_SECONDS seconds (clang only).
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
# make soak: the random-action run with ACTIONS actions (SEED replays a run).
ACTIONS ?= 5000
SEED ?=

.PHONY: all deps configure build run test bench screenshots install package sanitize fuzz soak clean

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
	@cmake --build $(BUILD) -j $(JOBS) --target benches
	@cd $(BUILD) && ctest -L bench --output-on-failure -V

screenshots: build
	@bash scripts/screenshots

install: build
	@DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"

# The Debian package orlenvo_<version>_<arch>.deb, in $(BUILD)/package.
package: build
	@cd $(BUILD) && cpack --config CPackConfig.cmake
	@ls $(BUILD)/package/*.deb

sanitize: deps
	@bash scripts/sanitize $(SANITIZE_BUILD) $(JOBS) $(CMAKE_FLAGS)

fuzz: deps
	@bash scripts/fuzz $(FUZZ_BUILD) $(FUZZ_SECONDS) $(CMAKE_FLAGS)

soak: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ORLENVO_ACTIONS=$(ACTIONS) $(if $(SEED),ORLENVO_SEED=$(SEED)) \
		bin/random_action_test

clean:
	@rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD)
